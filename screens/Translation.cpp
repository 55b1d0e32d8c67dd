// Loading the translations, and the engine's texts through them.
#include "screens/Translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace quillmere {

namespace {

QPointer<QTranslator> g_game;
QPointer<QTranslator> g_qt;

void Replace(QPointer<QTranslator>& slot, const QLocale& locale, const QString& name,
             const QString& folder) {
  delete slot;  // a deleted translator removes itself from the application
  auto* translator = new QTranslator(QCoreApplication::instance());
  if (translator->load(locale, name, QStringLiteral("_"), folder)) {
    QCoreApplication::installTranslator(translator);
    slot = translator;
  } else {
    delete translator;
  }
}

}  // namespace

void InstallTranslations(const QLocale& locale) {
  Replace(g_game, locale, QStringLiteral("quillmere"), QStringLiteral(":/i18n"));
  // Only for a language the game speaks: the standard dialogs' buttons and the text boxes'
  // menus must not come in a third language around the game's English.
  if (g_game)
    Replace(g_qt, locale, QStringLiteral("qtbase"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  else
    delete g_qt;
}

QString TranslationLanguage() { return g_game ? g_game->language() : QStringLiteral("en"); }

QString Translated(const char* context, std::string_view english) {
  const QByteArray source(english.data(), static_cast<qsizetype>(english.size()));
  return QCoreApplication::translate(context, source.constData());
}

}  // namespace quillmere
