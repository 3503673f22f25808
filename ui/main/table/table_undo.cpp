#include "table_undo.h"

#include "dbf_texts.h"
#include "dialog_service.h"
#include "event_guard.h"
#include "record_store.h"
#include "string_grid.h"

#include <QDateTime>

#include <algorithm>
#include <string_view>
#include <utility>
#include <system_error>
#include <stdexcept>

namespace {

using ui::VersionSide;

const char kNoUndo[] = DBF_TR_NOOP("TTableUndo", "\r\nЭто изменение нельзя будет отменить.");

VersionSide Other(VersionSide side) { return side == VersionSide::Undo ? VersionSide::Redo : VersionSide::Undo; }

// A command's caption as a step's name: no mnemonic marks, no trailing
// colon or dots, single spaces.
std::string StepName(const std::string& caption) {
  std::string name;
  for (const char c : caption) {
    if (c == '&' || (c == ' ' && (name.empty() || name.back() == ' '))) continue;
    name += c;
  }
  while (!name.empty() && (name.back() == ' ' || name.back() == ':' || name.back() == '.')) name.pop_back();
  if (name.ends_with("…")) name.resize(name.size() - std::string_view("…").size());
  return name;
}

}  // namespace

TTableUndo::TTableUndo(const TableContext& context, const std::string& folder)
    : context_(context), versions_(folder, {}, context.files.Files()), indexNotice_(context.dialogs) {
  context_.guard.AfterEachCommand([this] { CommandEnded(); });
}

TTableUndo::~TTableUndo() {
  context_.guard.AfterEachCommand({});
  CommandEnded();
}

void TTableUndo::CommandNamed(const std::string& name) { command_ = StepName(name); }

void TTableUndo::BeforeChange(const std::string& path) { Keep(path, ui::TableVersions::Keeping::Copy); }

// The new file's digest and stamp go with the version at once; only its
// status time changes as it takes the name.
void TTableUndo::BeforeReplace(const std::string& path) {
  const auto& made = context_.files.Replacing();
  Keep(path, ui::TableVersions::Keeping::LinkWhenReplaced,
       made ? std::optional<ui::Successor>({made->stamp, made->taken, made->digest}) : std::nullopt);
}

void TTableUndo::ReplaceFailed(const std::string& path) { versions_.DropKept(path); }

void TTableUndo::WriteBegins(const std::string& path) { versions_.WriteBegins(path); }

void TTableUndo::WriteEnded(const std::string& path) { versions_.WriteEnded(path); }

// A file that cannot be kept does not stop the command the user gave; the
// user is told that this change cannot be undone.
void TTableUndo::Keep(const std::string& path, ui::TableVersions::Keeping keeping,
                      const std::optional<ui::Successor>& after) {
  indexNotice_.BeforeChange(path);
  try {
    if (versions_.Keep(path, command_, VersionSide::Undo, keeping, after) == ui::TableVersions::Kept::TooLarge) {
      context_.dialogs.Message(
          dbf::FillText(dbf::Tr("TTableUndo", "Файл %1 слишком велик, чтобы сохранить его копию."), {path}) +
          dbf::Tr("TTableUndo", kNoUndo));
    } else if (const auto kept = versions_.Newest(path, VersionSide::Undo)) {
      pending_.push_back(kept->id);
    }
  } catch (const std::runtime_error& e) {  // the system's failures, and a folder not the user's own
    context_.dialogs.Message(
        dbf::FillText(dbf::Tr("TTableUndo", "Копию файла %1 сохранить не удалось: %2."), {path, e.what()}) +
        dbf::Tr("TTableUndo", kNoUndo));
  }
}

// A version is kept before the command's first write; the command may still
// write nothing new (an unedited Save, a purge stopped before its first
// record), and then it has nothing to undo. A successor recorded as the
// version was kept stands while the file is the one it names, as it was
// written (the name it took changed only its status time).
void TTableUndo::CommandEnded() {
  for (const uint64_t id : std::exchange(pending_, {})) {
    const std::vector<ui::TableVersion>& kept = versions_.Versions();
    const auto version = std::find_if(kept.begin(), kept.end(), [id](const ui::TableVersion& v) { return v.id == id; });
    if (version == kept.end()) continue;
    const ui::TableVersion v = *version;
    try {
      if (versions_.SameAsFile(v, context_.files)) {
        versions_.Drop(v.id);
      } else if (!StillAsWritten(v, FileStamp::Of(v.path))) {
        RecordSuccessor(v.id, v.path);
      }
    } catch (const std::system_error&) {
      // the version stays, its successor unknown: undoing it asks
    }
  }
}

bool TTableUndo::StillAsWritten(const ui::TableVersion& version, const std::optional<FileStamp>& now) {
  if (!version.after || !now) return false;
  const FileStamp& then = version.after->stamp;
  return now->identity == then.identity && now->size == then.size && now->modified == then.modified;
}

void TTableUndo::RecordSuccessor(uint64_t id, const std::string& path) {
  const std::optional<FileStamp> stamp = FileStamp::Of(path);
  const int64_t taken = FileClockNow();
  const std::optional<FileDigest> digest = context_.files.DigestOf(path);
  if (stamp && digest) versions_.SetSuccessor(id, {*stamp, taken, *digest});
}

bool TTableUndo::LeftAsIs(const ui::TableVersion& version) const {
  if (!version.after) return false;
  const std::optional<FileStamp> now = FileStamp::Of(version.path);
  if (now && *now == version.after->stamp && !version.after->stamp.WithinTick(version.after->taken)) return true;
  // The same bytes, whatever file holds them, lose nothing when replaced.
  return now && FileDigest::Of(version.path) == version.after->digest;
}

void TTableUndo::Undo1Click() { Step(VersionSide::Undo); }

void TTableUndo::Redo1Click() { Step(VersionSide::Redo); }

void TTableUndo::Step(VersionSide side) {
  if (!context_.PathGiven()) return;
  CommandEnded();  // a change made outside a command
  const std::string& path = context_.table.TablePath();
  const RecordStore* rows = context_.table.Rows();
  if (rows && rows->HasEdits()) {
    context_.dialogs.Message(dbf::Tr("TTableUndo",
                                     "В строках таблицы есть несохранённые изменения: сначала сохраните их (\"Save\", "
                                     "\"Save as :\") или загрузите таблицу заново.\r\nКоманда не выполнена!"));
    return;
  }
  std::optional<ui::TableVersion> version = versions_.Newest(path, side);
  // Versions kept by older runs may hold what the file holds: nothing to undo.
  while (version && versions_.SameAsFile(*version, context_.files)) {
    versions_.Drop(version->id);
    version = versions_.Newest(path, side);
  }
  if (!version) {
    context_.dialogs.Message(dbf::FillText(side == VersionSide::Undo
                                               ? dbf::Tr("TTableUndo", "Нет изменений файла %1 для отмены.")
                                               : dbf::Tr("TTableUndo", "Нет отменённых изменений файла %1."),
                                           {path}));
    return;
  }
  if (!LeftAsIs(*version) &&
      !context_.dialogs.Ask(
          dbf::Tr("TTableUndo", "Файл изменён"),
          dbf::FillText(dbf::Tr("TTableUndo",
                                "Файл %1 изменён после того, как программа его записала.\r\nЕго нынешнее содержимое "
                                "будет сохранено: его можно будет вернуть. Продолжить?"),
                        {path}))) {
    return;
  }
  // What the step replaces becomes a version of the other way, first.
  if (versions_.Keep(path, version->step, Other(side)) != ui::TableVersions::Kept::Yes) {
    context_.dialogs.Message(dbf::FillText(dbf::Tr("TTableUndo", "Копию файла %1 сохранить не удалось."), {path}) +
                             "\r\n" + dbf::Tr("TTableUndo", "Команда не выполнена!"));
    return;
  }
  const uint64_t replaced = versions_.Newest(path, Other(side))->id;
  try {
    versions_.RestoreLast(path, side);
  } catch (...) {
    versions_.Drop(replaced);
    throw;
  }
  RecordSuccessor(replaced, path);
  if (context_.GridShown()) context_.table.Refill();
  context_.dialogs.Message(side == VersionSide::Undo ? dbf::Tr("TTableUndo", "Последнее изменение файла отменено.")
                                                     : dbf::Tr("TTableUndo", "Отменённое изменение файла возвращено."));
}

namespace {

std::string Caption(const std::optional<ui::TableVersion>& version, const std::string& plain) {
  if (!version) return plain;
  const std::string time =
      QDateTime::fromSecsSinceEpoch(version->time).toString(QStringLiteral("HH:mm")).toStdString();
  const std::string step = version->step.empty() ? dbf::Tr("TTableUndo", "изменение файла") : version->step;
  return plain + ": " + step + ", " + time;
}

}  // namespace

std::string TTableUndo::UndoCaption() const {
  return Caption(context_.PathGiven() ? versions_.Newest(context_.table.TablePath(), VersionSide::Undo) : std::nullopt,
                 dbf::Tr("TTableUndo", "Отменить"));
}

std::string TTableUndo::RedoCaption() const {
  return Caption(context_.PathGiven() ? versions_.Newest(context_.table.TablePath(), VersionSide::Redo) : std::nullopt,
                 dbf::Tr("TTableUndo", "Вернуть"));
}

// Putting the version back goes through a new file where it can, so a kill
// now leaves the torn file or the version, and the question comes again.
void TTableUndo::OfferInterruptedWrites() {
  for (const ui::TableVersion& version : versions_.Interrupted()) {
    const bool putBack = context_.dialogs.Ask(
        dbf::Tr("TTableUndo", "Запись прервана"),
        dbf::FillText(dbf::Tr("TTableUndo", "Запись в файл %1 была прервана, и он может быть испорчен.\r\n"
                                            "Вернуть файл, каким он был до этой записи?"),
                      {version.path}));
    if (!putBack) {
      versions_.Settle(version);
      continue;
    }
    try {
      versions_.RestoreLast(version.path);
      context_.dialogs.Message(
          dbf::FillText(dbf::Tr("TTableUndo", "Файл %1 возвращён, каким он был до прерванной записи."), {version.path}));
    } catch (const std::system_error& e) {
      context_.dialogs.Message(
          dbf::FillText(dbf::Tr("TTableUndo", "Файл %1 вернуть не удалось: %2."), {version.path, e.what()}));
    }
  }
}
