#include "app/RemoveUVArchive.h"

#include <zip.h>

#include <memory>
#include <string>
#include <vector>

#include "app/ArchiveMember.h"
#include "app/ByteSink.h"
#include "app/ConversionMessages.h"
#include "app/ConvertedMemberSource.h"
#include "app/MessageLog.h"
#include "app/MqoMemberConversion.h"
#include "app/ZipInputSource.h"
#include "app/ZipMemberReader.h"
#include "app/ZipOutputSource.h"
#include "platform/runtime/AtomicOutputFile.h"
#include "platform/runtime/InputFile.h"
#include "platform/runtime/TextCodec.h"

namespace {

enum class Outcome { Ok, ReadFailed, LineTooLong, WriteFailed };

struct ArchiveCloser {
  void operator()(zip_t* archive) const { zip_discard(archive); }
};
using Archive = std::unique_ptr<zip_t, ArchiveCloser>;

bool endsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

Archive openInput(ZipInputSource& source) {
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* src = source.create(&error);
  zip_t* archive = src ? zip_open_from_source(src, ZIP_RDONLY | ZIP_CHECKCONS, &error) : nullptr;
  if (src && !archive) zip_source_free(src);
  zip_error_fini(&error);
  return Archive(archive);
}

bool describeMember(zip_t* archive, zip_uint64_t index, ArchiveMember& member) {
  member.index = index;
  if (zip_stat_index(archive, index, 0, &member.stat) != 0) return false;
  const char* raw = zip_get_name(archive, index, ZIP_FL_ENC_RAW);
  const char* strict = zip_get_name(archive, index, ZIP_FL_ENC_STRICT);
  if (!raw || !strict) return false;
  member.name = raw;
  // Strict reading converts every name the archive does not mark as UTF-8.
  member.utf8Name = member.name == strict;
  member.isModel = endsWith(member.name, ".mqo");
  return true;
}

// Converts a model member into nothing but a byte count, to learn whether it
// holds UV data and how large it becomes.
Outcome measureModel(zip_t* archive, ArchiveMember& member) {
  zip_uint64_t size = 0;
  ByteSink counter([&size](const char*, std::size_t n) {
    size += n;
    return true;
  });
  MqoMemberConversion conversion(archive, member.index, counter);
  const MqoMemberConversion::Status status = conversion.run();
  counter.flush();
  if (status == MqoMemberConversion::Status::LineTooLong) return Outcome::LineTooLong;
  if (status != MqoMemberConversion::Status::Done) return Outcome::ReadFailed;
  member.hadUV = conversion.hadUV();
  member.convertedSize = size;
  return Outcome::Ok;
}

// Reads another member through, so that a damaged one is found before
// anything is written.
Outcome checkMember(zip_t* archive, const ArchiveMember& member) {
  ZipMemberReader reader;
  if (!reader.open(archive, member.index)) return Outcome::ReadFailed;
  std::vector<char> scratch(64 << 10);
  for (;;) {
    const std::ptrdiff_t n = reader.read(scratch.data(), scratch.size());
    if (n < 0) return Outcome::ReadFailed;
    if (n == 0) return Outcome::Ok;
  }
}

// Every member, read once in full.
Outcome survey(zip_t* archive, std::vector<ArchiveMember>& members) {
  const zip_int64_t count = zip_get_num_entries(archive, 0);
  if (count < 0) return Outcome::ReadFailed;
  members.resize(static_cast<std::size_t>(count));
  for (zip_uint64_t i = 0; i < members.size(); ++i) {
    ArchiveMember& member = members[i];
    if (!describeMember(archive, i, member)) return Outcome::ReadFailed;
    const Outcome outcome = member.isModel ? measureModel(archive, member) : checkMember(archive, member);
    if (outcome != Outcome::Ok) return outcome;
  }
  return Outcome::Ok;
}

// NAME.mqo, the model named like the archive, becomes NAME_noUV.mqo (in
// whatever folder of the archive it sits); other names stay.
std::string outputName(const ArchiveMember& member, const NVString& archiveBaseName) {
  if (!member.isModel) return member.name;
  const std::string base = member.utf8Name ? nvrt::cp932NameToUtf8(archiveBaseName.bytes()) : archiveBaseName.bytes();
  const std::string::size_type slash = member.name.rfind('/');
  const std::string fileName = slash == std::string::npos ? member.name : member.name.substr(slash + 1);
  if (fileName != base + ".mqo") return member.name;
  return member.name.substr(0, member.name.size() - 4) + "_noUV.mqo";
}

// Adds one member to the new archive: a converted model, or a raw copy that
// keeps the compressed bytes, the time and the method.
bool addMember(zip_t* output, zip_t* input, const ArchiveMember& member, const std::string& name,
               std::vector<std::unique_ptr<ConvertedMemberSource>>& sources) {
  zip_source_t* src = nullptr;
  if (member.isModel) {
    sources.push_back(
        std::make_unique<ConvertedMemberSource>(input, member.index, member.convertedSize, member.stat.mtime));
    src = sources.back()->create(output);
  } else {
    src = zip_source_zip(output, input, member.index, ZIP_FL_COMPRESSED, 0, 0);
  }
  if (!src) return false;
  const zip_flags_t encoding = member.utf8Name ? ZIP_FL_ENC_GUESS : ZIP_FL_ENC_CP437;
  const zip_int64_t index = zip_file_add(output, name.c_str(), src, encoding);
  if (index < 0) {
    zip_source_free(src);
    return false;
  }
  const zip_uint64_t at = static_cast<zip_uint64_t>(index);
  if (member.stat.comp_method == ZIP_CM_STORE && zip_set_file_compression(output, at, ZIP_CM_STORE, 0) != 0)
    return false;
  zip_uint8_t system = 0;
  zip_uint32_t attributes = 0;
  if (zip_file_get_external_attributes(input, member.index, 0, &system, &attributes) == 0)
    zip_file_set_external_attributes(output, at, 0, system, attributes);
  zip_uint32_t commentLength = 0;
  const char* comment = zip_file_get_comment(input, member.index, &commentLength, ZIP_FL_ENC_RAW);
  if (comment && commentLength > 0)
    zip_file_set_comment(output, at, comment, static_cast<zip_uint16_t>(commentLength), ZIP_FL_ENC_GUESS);
  return true;
}

// Writes the new archive through `out`; libzip commits it by renaming.
Outcome writeArchive(zip_t* input, const std::vector<ArchiveMember>& members, const NVString& baseName,
                     nvrt::AtomicOutputFile& out) {
  ZipOutputSource target(out);
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* src = target.create(&error);
  zip_t* output = src ? zip_open_from_source(src, ZIP_CREATE | ZIP_TRUNCATE, &error) : nullptr;
  if (src && !output) zip_source_free(src);
  zip_error_fini(&error);
  if (!output) return Outcome::WriteFailed;

  std::vector<std::unique_ptr<ConvertedMemberSource>> sources;
  bool added = true;
  for (const ArchiveMember& member : members)
    added = added && addMember(output, input, member, outputName(member, baseName), sources);
  int commentLength = 0;
  const char* comment = zip_get_archive_comment(input, &commentLength, ZIP_FL_ENC_RAW);
  if (added && comment && commentLength > 0)
    zip_set_archive_comment(output, comment, static_cast<zip_uint16_t>(commentLength));
  if (added && zip_close(output) == 0) return Outcome::Ok;
  zip_discard(output);
  out.discard();
  // A failure that did not come from the file being written is the input's.
  return !added || target.failed() ? Outcome::WriteFailed : Outcome::ReadFailed;
}

bool anyUV(const std::vector<ArchiveMember>& members) {
  for (const ArchiveMember& member : members)
    if (member.hadUV) return true;
  return false;
}

bool reportFailure(Outcome outcome, const NVString& name) {
  if (outcome == Outcome::LineTooLong) addMessage(msg::lineTooLong(name));
  if (outcome == Outcome::ReadFailed) addMessage(msg::readFailed(name));
  if (outcome == Outcome::WriteFailed) addMessage(msg::writeFailed());
  return false;
}

}  // namespace

bool removeUVFromArchive(const ModelPath& model) {
  const NVString& name = model.fileName();
  nvrt::InputFile in;
  if (!in.open(model.path().bytes())) {
    addMessage(msg::cannotOpen(name));
    return false;
  }
  addMessage(msg::processing(name));

  // An empty file is no archive, though libzip would take it as an empty one.
  ZipInputSource source(in);
  Archive input = in.size() > 0 ? openInput(source) : Archive();
  if (!input) return reportFailure(Outcome::ReadFailed, name);
  std::vector<ArchiveMember> members;
  const Outcome read = survey(input.get(), members);
  if (read != Outcome::Ok) return reportFailure(read, name);
  if (!anyUV(members)) {
    addMessage(msg::noUV());
    return true;
  }
  addMessage(msg::uvRemoved());

  nvrt::AtomicOutputFile out;
  if (!out.open(model.outputPath().bytes())) return reportFailure(Outcome::WriteFailed, name);
  addMessage(msg::creating(model.outputFileName()));
  const Outcome written = writeArchive(input.get(), members, model.baseName(), out);
  if (written != Outcome::Ok) return reportFailure(written, name);
  addMessage(msg::finished());
  return true;
}
