#include "common/ui/weburl.h"

#include <QDesktopServices>
#include <QUrl>

namespace quorvil {

bool openWebAddress(const QUrl& url) { return QDesktopServices::openUrl(url); }

}  // namespace quorvil
