#include "common/ui/weburl.h"

#include <QDesktopServices>
#include <QUrl>

namespace quorvil {

void openWebAddress(const QUrl& url) { QDesktopServices::openUrl(url); }

}  // namespace quorvil
