// Qt's own texts (the text boxes' context menu, the standard buttons) in the user's
// language. The calculator's texts are Russian in every language.
#pragma once

class QString;
class QTranslator;

namespace kometa::window {

// Installs Qt's translation for a language such as "ru-RU", "ru_RU" or "pt_BR", falling
// back from the country to the language alone. Returns the installed translator, owned by
// the application, or nullptr when Qt has none for that language: then nothing changes.
QTranslator *InstallToolkitTranslation(const QString &uiLanguage);

} // namespace kometa::window
