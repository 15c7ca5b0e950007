#pragma once

class QUrl;

namespace quorvil {

// Opens an address with the desktop's URL handler (the web browser, or the
// mail program for a mailto: address). No command line, no shell.
void openWebAddress(const QUrl& url);

}  // namespace quorvil
