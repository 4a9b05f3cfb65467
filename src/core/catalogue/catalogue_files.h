#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

#include "core/catalogue/catalogue.h"

namespace kelvo
{

inline constexpr const char* kCompressorFile = "sprezarki.txt";
inline constexpr const char* kCondenserFile = "Skraplacze.txt";
inline constexpr const char* kUnitFile = "Agregaty.txt";
inline constexpr const char* kFrameFile = "Podstawy.txt";

// A catalogue file that could not be read or written: its whole path and the reason;
// what() is "<path>: <reason>".
class CatalogueFileError : public std::runtime_error
{
  public:
    CatalogueFileError(std::filesystem::path path, std::string reason);
    [[nodiscard]] const std::filesystem::path& path() const { return path_; }
    // The file's own name, e.g. kUnitFile.
    [[nodiscard]] std::string fileName() const { return path_.filename().string(); }
    [[nodiscard]] const std::string& reason() const { return reason_; }

  private:
    std::filesystem::path path_;
    std::string reason_;
};

// The whole (absolute) path of a catalogue file, as messages name it.
std::filesystem::path catalogueFilePath(const std::filesystem::path& programDir,
                                        const char* fileName);

// Each loader reads the whole file into a fresh table and replaces the table only when the
// file was read completely; on failure it throws and the table is left as it was. A file cut
// short (fewer complete records than its count line announces) loads with the missing fields
// empty and replaces its note in catalogue.loadNotes.
void loadCompressors(Catalogue& catalogue, const std::filesystem::path& programDir);
void loadCondensers(Catalogue& catalogue, const std::filesystem::path& programDir);
void loadUnits(Catalogue& catalogue, const std::filesystem::path& programDir);
void loadFrames(Catalogue& catalogue, const std::filesystem::path& programDir);

// What a loader does once it has read its file: `content` read into the table of `kind`,
// errors and notes naming `path`.
enum class CatalogueFileKind { Compressors, Condensers, Units, Frames };
void readCatalogueFileContent(Catalogue& catalogue, CatalogueFileKind kind,
                              std::string_view content, const std::filesystem::path& path);

// Clears catalogue.loadNotes, then the four loaders in order; the first failure stops the rest.
void loadCatalogue(Catalogue& catalogue, const std::filesystem::path& programDir);

// A digest of the four files as saveCatalogue would write them: two catalogues with the same
// fingerprint write the same bytes (up to a 64-bit hash collision).
std::size_t catalogueFingerprint(const Catalogue& catalogue);

class FileSystemOps;

// Writes the four files in order, each replaced atomically with its previous version kept as
// "<name>.bak"; the first failure stops the save and names its file and what was in the way.
void saveCatalogue(const Catalogue& catalogue, const std::filesystem::path& programDir);
// The same through another file layer.
void saveCatalogue(const Catalogue& catalogue, const std::filesystem::path& programDir,
                   FileSystemOps& ops);

} // namespace kelvo
