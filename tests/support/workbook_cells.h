#pragma once

#include <filesystem>
#include <ixion/address.hpp>
#include <ixion/cell_access.hpp>
#include <ixion/model_context.hpp>
#include <memory>
#include <optional>
#include <orcus/orcus_xlsx.hpp>
#include <orcus/spreadsheet/document.hpp>
#include <orcus/spreadsheet/factory.hpp>
#include <string>

#include "core/spreadsheet/classic_locale.h"

namespace kelvo::test
{

// A cell read back: a number, a string or neither.
struct ReadCell {
    std::optional<double> number;
    std::optional<std::string> text;
};

// The first sheet of an .xlsx file as the spreadsheet reader sees it; row and column from 1.
class WorkbookCells
{
  public:
    explicit WorkbookCells(const std::filesystem::path& file)
    {
        const ClassicLocaleOnThisThread classicLocale;
        orcus::spreadsheet::import_factory factory{*document_};
        orcus::orcus_xlsx reader(&factory);
        reader.read_file(file.string());
    }

    [[nodiscard]] ReadCell at(int row, int column) const
    {
        const auto access = document_->get_model_context().get_cell_access(
            ixion::abs_address_t(0, row - 1, column - 1));
        ReadCell cell;
        if (access.get_value_type() == ixion::cell_value_t::numeric)
            cell.number = access.get_numeric_value();
        else if (access.get_value_type() == ixion::cell_value_t::string)
            cell.text = std::string(access.get_string_value());
        return cell;
    }

  private:
    std::unique_ptr<orcus::spreadsheet::document> document_ =
        std::make_unique<orcus::spreadsheet::document>(
            orcus::spreadsheet::range_size_t{1048576, 16384});
};

} // namespace kelvo::test
