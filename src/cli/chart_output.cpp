#include "cli/chart_output.h"

#include <array>
#include <ostream>

#include "cli/command_base.h"
#include "cli/command_error.h"
#include "core/io/file_io.h"
#include "core/io/output_file.h"

namespace kelvo::cli
{
namespace
{

nlohmann::ordered_json pixel(ChartPixel p)
{
    return nlohmann::ordered_json::array({p.x, p.y});
}

nlohmann::ordered_json colour(ChartColour c)
{
    return nlohmann::ordered_json::array({c.r, c.g, c.b});
}

std::string anchorName(TextAnchor anchor)
{
    static constexpr std::array<const char*, 9> kNames = {"top-left",    "top",    "top-right",
                                                          "left",        "centre", "right",
                                                          "bottom-left", "bottom", "bottom-right"};
    return kNames[static_cast<std::size_t>(anchor)];
}

nlohmann::ordered_json primitiveJson(const ChartPrimitive& p)
{
    nlohmann::ordered_json item;
    switch (p.kind) {
    case ChartPrimitive::Kind::Fill:
        item["kind"] = "fill";
        item["from"] = pixel(p.from);
        item["to"] = pixel(p.to);
        item["colour"] = colour(p.colour);
        break;
    case ChartPrimitive::Kind::Line:
        item["kind"] = "line";
        item["from"] = pixel(p.from);
        item["to"] = pixel(p.to);
        item["colour"] = colour(p.colour);
        item["width"] = p.width;
        break;
    case ChartPrimitive::Kind::Text:
        item["kind"] = "text";
        item["at"] = pixel(p.from);
        item["text"] = p.text;
        item["font"] = std::string(p.font);
        item["height"] = p.fontHeight;
        item["colour"] = colour(p.colour);
        // Left out at their defaults, so that a reader of the plain texts sees them as before.
        if (p.anchor != TextAnchor::TopLeft)
            item["anchor"] = anchorName(p.anchor);
        if (p.rotation != 0)
            item["rotation"] = p.rotation;
        break;
    }
    return item;
}

std::string xmlEscaped(const std::string& text)
{
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '&':
            out += "&amp;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string svgColour(ChartColour c)
{
    return "rgb(" + std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b) +
           ")";
}

} // namespace

void checkChartOutput(const ChartOutput& output, const CommandContext& context)
{
    const int outputs = (output.svg ? 1 : 0) + (output.png ? 1 : 0) + (output.json ? 1 : 0);
    if (outputs != 1)
        throw CommandError("give exactly one of --svg FILE, --png FILE and --json");
    if (output.png && !context.toolkit.chartPng)
        throw CommandFailure("PNG output needs the desktop build");
}

std::vector<OutputOption> chartOutputFiles(const ChartOutput& output)
{
    return {{"--svg", output.svg ? &*output.svg : nullptr},
            {"--png", output.png ? &*output.png : nullptr}};
}

nlohmann::ordered_json chartJson(const std::vector<ChartPrimitive>& primitives, int width,
                                 int height)
{
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    // The canvas is white before the first primitive: the clearing fill is not listed.
    for (const ChartPrimitive& p : primitives)
        if (p.kind != ChartPrimitive::Kind::Fill || &p != &primitives.front())
            list.push_back(primitiveJson(p));
    nlohmann::ordered_json doc;
    doc["width"] = width;
    doc["height"] = height;
    doc["primitives"] = std::move(list);
    return doc;
}

void writeChart(const std::vector<ChartPrimitive>& primitives, int width, int height,
                const ChartOutput& output, CommandContext& context)
{
    if (output.json) {
        context.out << chartJson(primitives, width, height).dump() << "\n";
        return;
    }
    const std::string& file = output.svg ? *output.svg : *output.png;
    try {
        if (output.svg)
            writeOutputFile(file, chartSvg(primitives, width, height));
        else {
            const std::string png = context.toolkit.chartPng(primitives, width, height);
            if (png.empty())
                throw CommandFailure("cannot draw the chart as a PNG picture");
            writeOutputFile(file, png);
        }
    } catch (const FileError& error) {
        throw CommandFailure("cannot write " + error.path().string() + ": " + error.reason());
    } catch (const std::exception& error) {
        throw CommandFailure("cannot write " + file + ": " + error.what());
    }
}

std::string chartSvg(const std::vector<ChartPrimitive>& primitives, int width, int height)
{
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                      std::to_string(width) + "\" height=\"" + std::to_string(height) +
                      "\" viewBox=\"0 0 " + std::to_string(width) + " " + std::to_string(height) +
                      "\">\n";
    for (const ChartPrimitive& p : primitives) {
        switch (p.kind) {
        case ChartPrimitive::Kind::Fill:
            svg += "<rect x=\"" + std::to_string(p.from.x) + "\" y=\"" + std::to_string(p.from.y) +
                   "\" width=\"" + std::to_string(p.to.x - p.from.x) + "\" height=\"" +
                   std::to_string(p.to.y - p.from.y) + "\" fill=\"" + svgColour(p.colour) +
                   "\"/>\n";
            break;
        case ChartPrimitive::Kind::Line:
            svg += "<line x1=\"" + std::to_string(p.from.x) + "\" y1=\"" +
                   std::to_string(p.from.y) + "\" x2=\"" + std::to_string(p.to.x) + "\" y2=\"" +
                   std::to_string(p.to.y) + "\" stroke=\"" + svgColour(p.colour) +
                   "\" stroke-width=\"" + std::to_string(p.width) +
                   "\" stroke-linecap=\"square\"/>\n";
            break;
        case ChartPrimitive::Kind::Text: {
            // The position is the anchor's point of the text's box.
            static constexpr std::array<const char*, 3> kTextAnchors = {"start", "middle", "end"};
            static constexpr std::array<const char*, 3> kBaselines = {"text-before-edge", "central",
                                                                      "text-after-edge"};
            const auto anchor = static_cast<std::size_t>(p.anchor);
            std::string x = std::to_string(p.from.x);
            std::string y = std::to_string(p.from.y);
            svg += "<text x=\"" + x + "\" y=\"" + y + "\" font-family=\"" +
                   xmlEscaped(std::string(p.font)) + "\" font-size=\"" +
                   std::to_string(p.fontHeight) + "px\" fill=\"" + svgColour(p.colour) + "\"";
            if (anchor % 3 != 0)
                svg += std::string(" text-anchor=\"") + kTextAnchors[anchor % 3] + "\"";
            svg += std::string(" dominant-baseline=\"") + kBaselines[anchor / 3] + "\"";
            if (p.rotation != 0) // SVG turns clockwise
                svg += " transform=\"rotate(" + std::to_string(-p.rotation) + " " + x + " " + y +
                       ")\"";
            svg += ">" + xmlEscaped(p.text) + "</text>\n";
            break;
        }
        }
    }
    svg += "</svg>\n";
    return svg;
}

} // namespace kelvo::cli
