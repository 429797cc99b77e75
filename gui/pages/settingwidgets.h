#pragma once

#include <QString>

// Which widget of the settings pages shows which setting: the window's side of the
// settings table, by key. A page binds its widgets through it (see PageBinding).
namespace settingwidgets {

// The object name of the widget that shows the setting "page.key"; null for a setting
// no page shows.
const char *widgetOf(const QString &qualifiedKey);

} // namespace settingwidgets
