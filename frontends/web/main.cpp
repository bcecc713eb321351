// The part builder in the browser: the program of the desktop front ends, with the page as
// its window.

#include "app/application.h"
#include "frontends/web/page_settings_store.h"
#include "frontends/web/web_ui.h"

int main() {
  qel::web::WebUi ui;
  qel::web::PageSettingsStore settings;
  return qel::runApplication(ui, settings);
}
