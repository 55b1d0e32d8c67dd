// The game in the player's language: the translations compiled into the program, chosen by
// the system's languages, and the engine's English texts as the player reads them.
#pragma once

#include <QLocale>
#include <QString>
#include <string_view>

namespace quillmere {

// Replaces any translation installed before with the one for the first of the locale's
// languages that the game has (English, the texts as written, when none matches), and Qt's
// own texts in that language where the system has them.
void InstallTranslations(const QLocale& locale = QLocale());

// The language of the translation installed, "en" when none is.
QString TranslationLanguage();

// An engine text in the player's language, in the context the engine marked it with (see
// game/texts.h). A text with no translation is shown as the engine wrote it.
QString Translated(const char* context, std::string_view english);

}  // namespace quillmere
