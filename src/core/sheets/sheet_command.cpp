#include "core/sheets/sheet_command.h"

#include "core/sheets/family_sheet.h"
#include "core/sheets/worksheet.h"

#include <algorithm>
#include <map>

namespace quillo::sheets {

namespace {

constexpr std::string_view kFamilyOption = "--scheda";
constexpr std::string_view kCountOption = "--esercizi";
constexpr std::string_view kSeedOption = "--seme";
constexpr std::string_view kKeyOption = "--soluzioni";
constexpr std::string_view kOutputOption = "-o";
constexpr std::string_view kOverwriteOption = "--sovrascrivi";

std::string quoted(std::string_view text)
{
    return "\u00AB" + std::string(text) + "\u00BB";
}

// "a, b o c", as a sentence lists choices.
std::string either(const std::vector<std::string_view>& words)
{
    std::string text;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (i > 0)
            text += i + 1 == words.size() ? " o " : ", ";
        text += words[i];
    }
    return text;
}

std::vector<std::string_view> familyNames()
{
    std::vector<std::string_view> names;
    for (ExerciseFamily family : kAllFamilies)
        names.push_back(familySheet(family).name);
    return names;
}

// The family whose choice an option sets, if any.
std::optional<ExerciseFamily> familyChoosing(std::string_view option)
{
    for (ExerciseFamily family : kAllFamilies) {
        const FamilySheet& sheet = familySheet(family);
        if (sheet.choice && sheet.choice->option == option)
            return family;
    }
    return std::nullopt;
}

bool wantsValue(std::string_view option)
{
    return option != kKeyOption && option != kOverwriteOption;
}

bool isKnown(std::string_view option)
{
    return option == kFamilyOption || option == kCountOption || option == kSeedOption || option == kKeyOption ||
           option == kOutputOption || option == kOverwriteOption || familyChoosing(option).has_value();
}

// A whole number written in digits alone, within `largest`.
std::optional<long long> wholeNumber(std::string_view text, long long largest)
{
    if (text.empty() || text.size() > 12 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    const long long value = std::stoll(std::string(text));
    return value <= largest ? std::optional(value) : std::nullopt;
}

SheetError mistake(SheetMistake kind, std::string message)
{
    return {kind, std::move(message)};
}

// The options as typed, each with its value (empty for a switch), in order.
struct Typed {
    std::map<std::string_view, std::string> values;
    std::vector<std::string_view> order;

    const std::string* find(std::string_view option) const
    {
        const auto found = values.find(option);
        return found == values.end() ? nullptr : &found->second;
    }
};

std::variant<Typed, SheetError> readOptions(const std::vector<std::string>& arguments)
{
    Typed typed;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (!argument.starts_with('-'))
            return mistake(SheetMistake::UnexpectedArgument, "argomento inatteso " + quoted(argument));
        const std::size_t equals = argument.starts_with("--") ? argument.find('=') : std::string_view::npos;
        const std::string_view option = argument.substr(0, equals);
        if (!isKnown(option))
            return mistake(SheetMistake::UnknownOption, "opzione sconosciuta " + quoted(option));
        if (typed.values.contains(option))
            return mistake(SheetMistake::RepeatedOption,
                           "l'opzione " + quoted(option) + " \u00E8 data pi\u00F9 di una volta");
        std::string value;
        if (equals != std::string_view::npos) {
            if (!wantsValue(option))
                return mistake(SheetMistake::ValueNotWanted, "l'opzione " + quoted(option) + " non vuole un valore");
            value = argument.substr(equals + 1);
        } else if (wantsValue(option)) {
            // A value never starts like an option: "--seme --soluzioni" lacks the seed.
            if (i + 1 == arguments.size() || arguments[i + 1].starts_with("--"))
                return mistake(SheetMistake::MissingValue, "manca il valore dell'opzione " + quoted(option));
            value = arguments[++i];
        }
        typed.values.emplace(option, value);
        typed.order.push_back(option);
    }
    return typed;
}

std::variant<ExerciseFamily, SheetError> readFamily(const Typed& typed)
{
    const std::string* word = typed.find(kFamilyOption);
    if (!word)
        return mistake(SheetMistake::MissingFamily,
                       "manca la scheda da preparare: --scheda seguito da " + either(familyNames()));
    const std::optional<ExerciseFamily> family = familyNamed(*word);
    if (!family)
        return mistake(SheetMistake::UnknownFamily,
                       "scheda sconosciuta " + quoted(*word) + ": si pu\u00F2 scegliere tra " + either(familyNames()));
    return *family;
}

// The family's own choice, refusing another family's.
std::variant<int, SheetError> readChoice(ExerciseFamily family, const Typed& typed)
{
    const FamilySheet& sheet = familySheet(family);
    for (std::string_view option : typed.order) {
        const std::optional<ExerciseFamily> owner = familyChoosing(option);
        if (owner && *owner != family)
            return mistake(SheetMistake::OptionNotForFamily,
                           "l'opzione " + quoted(option) + " vale solo per la scheda " +
                               quoted(familySheet(*owner).name) + ", non per " + quoted(sheet.name));
    }
    const std::string* value = sheet.choice ? typed.find(sheet.choice->option) : nullptr;
    if (!value)
        return 0;
    const auto& values = sheet.choice->values;
    const auto chosen = std::find(values.begin(), values.end(), *value);
    if (chosen == values.end())
        return mistake(SheetMistake::BadChoice, quoted(*value) + " non \u00E8 un valore di " +
                                                    quoted(sheet.choice->option) + ": si pu\u00F2 scegliere " +
                                                    either(values));
    return static_cast<int>(chosen - values.begin());
}

}  // namespace

std::optional<ExerciseFamily> familyNamed(std::string_view name)
{
    for (ExerciseFamily family : kAllFamilies)
        if (familySheet(family).name == name)
            return family;
    return std::nullopt;
}

std::variant<SheetCommand, SheetError> parseSheetCommand(const std::vector<std::string>& arguments, Seed seedIfNone)
{
    const auto typed = readOptions(arguments);
    if (const auto* error = std::get_if<SheetError>(&typed))
        return *error;
    const Typed& options = std::get<Typed>(typed);
    const auto family = readFamily(options);
    if (const auto* error = std::get_if<SheetError>(&family))
        return *error;
    const auto choice = readChoice(std::get<ExerciseFamily>(family), options);
    if (const auto* error = std::get_if<SheetError>(&choice))
        return *error;

    SheetCommand command;
    SheetRequest& request = command.request;
    request.family = std::get<ExerciseFamily>(family);
    request.choice = std::get<int>(choice);
    request.count = std::min(exercisesPerPage(request.family, request.choice), kMostExercises);
    if (const std::string* value = options.find(kCountOption)) {
        const std::optional<long long> count = wholeNumber(*value, kMostExercises);
        if (!count || *count < 1)
            return mistake(
                SheetMistake::CountOutOfRange,
                "il numero di esercizi va da 1 a " + std::to_string(kMostExercises) + ", non " + quoted(*value));
        request.count = static_cast<int>(*count);
    }
    request.seed = seedIfNone;
    if (const std::string* value = options.find(kSeedOption)) {
        const std::optional<long long> seed = wholeNumber(*value, kLargestSeed);
        if (!seed)
            return mistake(SheetMistake::SeedNotANumber, "il seme \u00E8 un numero intero da 0 a " +
                                                             std::to_string(kLargestSeed) + ", non " + quoted(*value));
        request.seed = static_cast<Seed>(*seed);
    }
    request.withKey = options.find(kKeyOption) != nullptr;
    command.overwrite = options.find(kOverwriteOption) != nullptr;
    if (const std::string* value = options.find(kOutputOption))
        command.output = *value;
    return command;
}

}  // namespace quillo::sheets
