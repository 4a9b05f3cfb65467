#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

#include "core/catalogue/catalogue.h"

namespace kelvo
{

inline constexpr const char* kCompressorFile = "sprezarki.txt";
inline constexpr const char* kCondenserFile = "Skraplacze.txt";
inline constexpr const char* kUnitFile = "Agregaty.txt";
inline constexpr const char* kFrameFile = "Podstawy.txt";

// A catalogue file that could not be read or written: the file name and the reason.
class CatalogueFileError : public std::runtime_error
{
  public:
    CatalogueFileError(std::string fileName, std::string reason);
    [[nodiscard]] const std::string& fileName() const { return fileName_; }
    [[nodiscard]] const std::string& reason() const { return reason_; }

  private:
    std::string fileName_;
    std::string reason_;
};

// Each loader reads the whole file into a fresh table and replaces the table only when the
// file was read completely; on failure it throws and the table is left as it was.
void loadCompressors(Catalogue& catalogue, const std::filesystem::path& programDir);
void loadCondensers(Catalogue& catalogue, const std::filesystem::path& programDir);
void loadUnits(Catalogue& catalogue, const std::filesystem::path& programDir);
void loadFrames(Catalogue& catalogue, const std::filesystem::path& programDir);

// The four loaders in order; the first failure stops the rest.
void loadCatalogue(Catalogue& catalogue, const std::filesystem::path& programDir);

// A digest of the four files as saveCatalogue would write them: two catalogues with the same
// fingerprint write the same bytes (up to a 64-bit hash collision).
std::size_t catalogueFingerprint(const Catalogue& catalogue);

// Writes the four files in order, each replaced atomically with its previous version kept as
// "<name>.bak"; the first failure stops the save and names its file.
void saveCatalogue(const Catalogue& catalogue, const std::filesystem::path& programDir);

} // namespace kelvo
