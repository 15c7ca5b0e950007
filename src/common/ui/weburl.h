#pragma once

class QUrl;

namespace quorvil {

// Opens an address with the desktop's URL handler (the web browser, or the
// mail program for a mailto: address). No command line, no shell. False
// when nothing could be started.
bool openWebAddress(const QUrl& url);

}  // namespace quorvil
