#include "qt_translations.h"

#include "dbf_texts.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace ui {
namespace {

// Where the build puts the program's compiled translations, one a folder of
// the program: ":/i18n/<folder>_en.qm".
constexpr char kProgramTranslations[] = ":/i18n";

bool Install(const QString& name, const QString& directory) {
  auto* translator = new QTranslator(QCoreApplication::instance());
  if (!translator->load(name, directory)) {
    delete translator;
    return false;
  }
  return QCoreApplication::installTranslator(translator);
}

bool InstallEnglish() {
  const QDir folder(QString::fromLatin1(kProgramTranslations));
  const QStringList files = folder.entryList({QStringLiteral("*_en.qm")}, QDir::Files, QDir::Name);
  bool all = !files.isEmpty();
  for (const QString& file : files) all = Install(file, folder.path()) && all;
  dbf::SetTextTranslator([](const char* context, const char* source) {
    return QCoreApplication::translate(context, source).toStdString();
  });
  return all;
}

}  // namespace

QString Tr(const char* context, const char* source) { return QCoreApplication::translate(context, source); }

bool InstallTranslations(const QLocale& locale) {
  if (locale.language() == QLocale::English) return InstallEnglish();
  return Install(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

}  // namespace ui
