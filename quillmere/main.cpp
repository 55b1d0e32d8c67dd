// The program's entry: the settings, the clock, the application and its start screen, the
// game's record on disk, and the message loop.
#include <QApplication>
#include <QFile>
#include <QStandardPaths>
#include <cstdio>

#include "GameRecordFile.h"
#include "LocalBoard.h"
#include "RecordUpload.h"
#include "game/settings.h"
#include "game/web.h"
#include "screens/App.h"
#include "screens/StartScreen.h"
#include "screens/Translation.h"

namespace {

quillmere::SettingSources Sources(const QStringList& arguments) {
  quillmere::SettingSources sources;
  for (const QString& argument : arguments.mid(1))
    sources.arguments.push_back(argument.toStdString());
  if (qEnvironmentVariableIsSet("QUILLMERE_WEBSITE"))
    sources.websiteVariable = qEnvironmentVariable("QUILLMERE_WEBSITE").toStdString();
  // The player's own file first, then the system's (/etc/xdg), where a distribution sets one.
  for (const QString& path : QStandardPaths::locateAll(
           QStandardPaths::GenericConfigLocation, QStringLiteral("quillmere/quillmere.conf"))) {
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) sources.configTexts.push_back(file.readAll().toStdString());
  }
  sources.builtWebsite = std::string(quillmere::BuiltWebsite());
  return sources;
}

int Play(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("quillmere"));
  QApplication::setApplicationVersion(QStringLiteral(QUILLMERE_VERSION));
  const auto read = quillmere::ReadSettings(Sources(QApplication::arguments()));
  if (const auto* error = std::get_if<std::string>(&read)) {
    std::fputs(error->c_str(), stderr);
    return 2;
  }
  const quillmere::Settings& settings = std::get<quillmere::Settings>(read);
  quillmere::InstallTranslations();
  quillmere::ApplyGameLook();

  // A round with shared luck draws every reading from its seed; any other game, the time.
  quillmere::SystemClock systemClock;
  quillmere::SeededClock roundClock(settings.play ? settings.play->seed : 0);
  quillmere::Clock& clock =
      settings.play ? static_cast<quillmere::Clock&>(roundClock) : systemClock;
  quillmere::RecordingClock recording(clock);
  if (settings.play)
    QApplication::setApplicationDisplayName(QStringLiteral("quillmere: round %1 on %2")
                                                .arg(QString::fromStdString(settings.play->round),
                                                     QString::fromStdString(settings.play->board)));

  quillmere::App app(recording);
  app.setWebsite(settings.website);
  quillmere::LocalBoard localBoard;
  app.localBoard = [&localBoard] { return localBoard.address(); };
  const auto board = [&] {
    return settings.website.empty() ? localBoard.address()
                                    : QString::fromStdString(settings.website);
  };

  // The game is written down as it is played; a finished one goes to the board, and so does any
  // an earlier run could not send.
  quillmere::GameRecordFile record;
  const auto send = [&](const QStringList& finished) {
    if (!settings.sendRecords || finished.isEmpty()) return;
    const QString address = board();
    if (address.isEmpty()) return;
    auto* upload = new quillmere::RecordUpload(address, &app);
    QObject::connect(upload, &quillmere::RecordUpload::done, upload, &QObject::deleteLater);
    upload->send(finished);
  };
  app.onTaken = [&](const quillmere::Action& action) {
    if (std::holds_alternative<quillmere::StartGame>(action))
      record.open(QCoreApplication::applicationVersion());
    record.append({action, recording.take()});
    // The record ends with the end screen; Retire after it is no step of the game.
    if (app.game().front() == quillmere::Front::End) {
      record.close();
      send(quillmere::GameRecordFile::Unsent());
    }
  };
  if (settings.sendRecords) send(quillmere::GameRecordFile::Unsent());

  app.createSplash()->show();
  return QApplication::exec();
}
}  // namespace

int main(int argc, char* argv[]) {
  // Nothing in the game throws on purpose; should the library run out of memory, say so.
  try {
    return Play(argc, argv);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "quillmere: %s\n", e.what());
  } catch (...) {
    std::fputs("quillmere: an unexpected error\n", stderr);
  }
  return 1;
}
