#include "core/sheets/worksheet.h"

#include "core/families/family_description.h"
#include "core/sheets/family_sheet.h"

#include <stdexcept>

namespace quillo::sheets {

namespace {

// The page, in squares of the ruling: the name line and the instruction at
// the top, then the exercises, a free row, and the footer on the last row.
constexpr int kInstructionRow = 1;
constexpr int kFooterRow = kRulingRows - 1;
constexpr int kExercisesEnd = kFooterRow - 1;
constexpr int kNumberColumns = 2;  // the exercise's number stands left of it
constexpr int kGap = 1;            // a free square between exercises

// Font sizes, in tenths of a millimetre.
constexpr int kNameLineSize = 40;
constexpr int kKeyTitleSize = 45;
constexpr int kInstructionSize = 35;
constexpr int kNumberSize = 35;
constexpr int kFooterSize = 28;
// Letters of the instruction on one line: at its size, far less than the
// ruling's width even in a wide face.
constexpr std::size_t kInstructionLetters = 88;

constexpr const char* kSeparator = " \u00B7 ";

constexpr Point onRuling(int column, int row)
{
    return {kRulingOrigin.x + column * kSquare, kRulingOrigin.y + row * kSquare};
}

constexpr Rect ruled(int column, int row, int columns, int rows)
{
    return {kRulingOrigin.x + column * kSquare, kRulingOrigin.y + row * kSquare, columns * kSquare, rows * kSquare};
}

// The family's instruction and its legend, as its screen words them.
std::vector<std::string_view> instructionOf(ExerciseFamily family)
{
    const FamilyDescription& description = quillo::describe(family);
    std::vector<std::string_view> paragraphs{description.instruction};
    if (!description.legend.empty())
        paragraphs.push_back(description.legend);
    return paragraphs;
}

// The instruction's paragraphs, broken between words into lines.
std::vector<std::string> wrapped(const std::vector<std::string_view>& paragraphs)
{
    std::vector<std::string> lines;
    for (std::string_view paragraph : paragraphs) {
        std::string line;
        std::size_t start = 0;
        while (start < paragraph.size()) {
            std::size_t end = paragraph.find(' ', start);
            if (end == std::string_view::npos)
                end = paragraph.size();
            const std::string_view word = paragraph.substr(start, end - start);
            if (!line.empty() && line.size() + 1 + word.size() > kInstructionLetters) {
                lines.push_back(line);
                line.clear();
            }
            line += (line.empty() ? "" : " ") + std::string(word);
            start = end + 1;
        }
        // A trailing blank stays, as the screen keeps it.
        if (paragraph.ends_with(' '))
            line += ' ';
        lines.push_back(line);
    }
    return lines;
}

// Where a sheet's exercises go: the same block size for all, side by side
// and line under line, as many as fit between the header and the footer.
struct Grid {
    BlockSize block;
    int top = 0;
    int perLine = 0;
    int lines = 0;

    int perPage() const { return perLine * lines; }
    Rect area(int slot) const
    {
        const int column = (slot % perLine) * (kNumberColumns + block.columns + kGap);
        const int row = top + (slot / perLine) * (block.rows + kGap);
        return ruled(column, row, kNumberColumns + block.columns, block.rows);
    }
};

Grid gridFor(ExerciseFamily family, int choice)
{
    Grid grid;
    grid.block = familySheet(family).size(choice);
    grid.top = kInstructionRow + static_cast<int>(wrapped(instructionOf(family)).size()) + 1;
    grid.perLine = (kRulingColumns + kGap) / (kNumberColumns + grid.block.columns + kGap);
    grid.lines = (kExercisesEnd - grid.top + kGap) / (grid.block.rows + kGap);
    return grid;
}

void addText(Drawing& drawing, Rect box, std::string text, int size, Ink ink, Align align = Align::Left)
{
    drawing.texts.push_back({box, std::move(text), size, ink, align});
}

void addLine(Drawing& drawing, int from, int to, int row)
{
    drawing.rules.push_back({onRuling(from, row), onRuling(to, row), kLineWidth, Ink::Given});
}

// "Nome", "Classe" and "Data", each with its line to write on; the key's
// pages say "Soluzioni" instead.
void drawHead(Drawing& drawing, bool key, const std::vector<std::string>& instruction)
{
    if (key) {
        addText(drawing, ruled(0, 0, kRulingColumns, 1), "Soluzioni", kKeyTitleSize, Ink::Answer);
    } else {
        addText(drawing, ruled(0, 0, 3, 1), "Nome", kNameLineSize, Ink::Given);
        addLine(drawing, 3, 20, 1);
        addText(drawing, ruled(21, 0, 3, 1), "Classe", kNameLineSize, Ink::Given);
        addLine(drawing, 24, 29, 1);
        addText(drawing, ruled(30, 0, 3, 1), "Data", kNameLineSize, Ink::Given);
        addLine(drawing, 33, kRulingColumns, 1);
    }
    for (std::size_t i = 0; i < instruction.size(); ++i)
        addText(drawing, ruled(0, kInstructionRow + static_cast<int>(i), kRulingColumns, 1), instruction[i],
                kInstructionSize, Ink::Given);
}

void drawFoot(Drawing& drawing, const std::string& description, bool key, int page, int pages)
{
    constexpr int kPageColumns = 9;
    addText(drawing, ruled(0, kFooterRow, kRulingColumns - kPageColumns, 1), description, kFooterSize, Ink::Given);
    const std::string number = "pagina " + std::to_string(page) + " di " + std::to_string(pages);
    addText(drawing, ruled(kRulingColumns - kPageColumns, kFooterRow, kPageColumns, 1),
            key ? "Soluzioni" + std::string(kSeparator) + number : number, kFooterSize, Ink::Given, Align::Right);
}

// A page with its header and footer, before its exercises.
Page framedPage(bool key, const std::vector<std::string>& instruction, const std::string& description, int page,
                int pages)
{
    Page paper;
    paper.key = key;
    drawHead(paper.drawing, key, instruction);
    drawFoot(paper.drawing, description, key, page, pages);
    return paper;
}

// An exercise in its place with its number; in the key, its answers too.
void place(Page& page, const Placement& placement, const ExerciseBlock& block, bool withAnswers)
{
    page.exercises.push_back(placement);
    const Rect& area = placement.area;
    addText(page.drawing, {area.left, area.top, kNumberColumns * kSquare, kSquare},
            std::to_string(placement.number) + ".", kNumberSize, Ink::Given);
    const Point corner{area.left + kNumberColumns * kSquare, area.top};
    page.drawing.add(block.given, corner);
    if (withAnswers)
        page.drawing.add(block.answers, corner);
}

void checkRequest(const FamilySheet& family, const SheetRequest& request)
{
    const int choices = family.choice ? static_cast<int>(family.choice->values.size()) : 1;
    if (request.choice < 0 || request.choice >= choices)
        throw std::invalid_argument("no such choice for the family");
    if (request.count < 1 || request.count > kMostExercises)
        throw std::invalid_argument("exercise count out of range");
    if (request.seed > kLargestSeed)
        throw std::invalid_argument("seed out of range");
}

}  // namespace

int exercisesPerPage(ExerciseFamily family, int choice)
{
    return gridFor(family, choice).perPage();
}

std::string describe(const SheetRequest& request)
{
    const FamilySheet& family = familySheet(request.family);
    std::string text(family.title);
    if (family.choice) {
        const std::string_view option = family.choice->option;
        text += kSeparator + std::string(option.substr(option.find_first_not_of('-'))) + " " +
                std::string(family.choice->values.at(static_cast<std::size_t>(request.choice)));
    }
    return text + kSeparator + "esercizi " + std::to_string(request.count) + kSeparator + "seme " +
           std::to_string(request.seed);
}

Sheet makeSheet(const SheetRequest& request)
{
    const FamilySheet& family = familySheet(request.family);
    checkRequest(family, request);
    const Grid grid = gridFor(request.family, request.choice);
    const int pages = (request.count + grid.perPage() - 1) / grid.perPage();

    Sheet sheet;
    const std::vector<std::string> instruction = wrapped(instructionOf(request.family));
    const std::string description = describe(request);
    for (bool key : {false, true}) {
        if (key && !request.withKey)
            break;
        for (int page = 1; page <= pages; ++page)
            sheet.pages.push_back(framedPage(key, instruction, description, page, pages));
    }

    SeededRandom random(request.seed);
    for (int i = 0; i < request.count; ++i) {
        const ExerciseBlock block = family.draw(random, request.choice);
        const Placement placement{i + 1, grid.area(i % grid.perPage())};
        const auto page = static_cast<std::size_t>(i / grid.perPage());
        place(sheet.pages[page], placement, block, false);
        if (request.withKey)
            place(sheet.pages[page + static_cast<std::size_t>(pages)], placement, block, true);
    }
    return sheet;
}

}  // namespace quillo::sheets
