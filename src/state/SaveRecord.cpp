#include "state/SaveRecord.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>
#include <utility>
#include <vector>

namespace {

enum class Kind { Integer, String, Flag };

// One saved field: its name for the player's messages, its kind, and where it lives. Flags are
// 16-bit numbers too, so numbers and flags share one kind of member pointer.
struct SavedField {
    std::string_view name;
    Kind kind;
    Integer GameState::*number = nullptr;
    std::string GameState::*text = nullptr;
};

constexpr SavedField number(std::string_view name, Integer GameState::*field) {
    return {name, Kind::Integer, field};
}
constexpr SavedField flag(std::string_view name, Flag GameState::*field) {
    return {name, Kind::Flag, field};
}
constexpr SavedField text(std::string_view name, std::string GameState::*field) {
    return {name, Kind::String, nullptr, field};
}

// The record, in file order. Writing and reading both walk this one table, so they cannot
// disagree about what goes where.
// clang-format off
constexpr std::array<SavedField, 41> savedFields{{
    number("StoryStage", &GameState::StoryStage),
    text("YourName", &GameState::YourName),
    number("YourLevel", &GameState::YourLevel),
    number("YourEX", &GameState::YourEX),
    number("YourHP", &GameState::YourHP),
    number("YourTP", &GameState::YourTP),
    number("YourAT", &GameState::YourAT),
    number("YourDE", &GameState::YourDE),
    number("YourSE", &GameState::YourSE),
    number("YourSP", &GameState::YourSP),
    number("YourMaxHP", &GameState::YourMaxHP),
    number("YourMaxTP", &GameState::YourMaxTP),
    number("YourMaxAT", &GameState::YourMaxAT),
    number("YourMaxDE", &GameState::YourMaxDE),
    number("YourMaxSE", &GameState::YourMaxSE),
    number("YourMaxSP", &GameState::YourMaxSP),
    number("YourGold", &GameState::YourGold),
    number("NumBread", &GameState::NumBread),
    number("NumLBread", &GameState::NumLBread),
    number("NumFruit", &GameState::NumFruit),
    number("NumLFruit", &GameState::NumLFruit),
    number("NumChocolate", &GameState::NumChocolate),
    number("NumMace", &GameState::NumMace),
    number("NumHelmet", &GameState::NumHelmet),
    number("NumShoes", &GameState::NumShoes),
    number("NumBoomerang", &GameState::NumBoomerang),
    number("NumBomb", &GameState::NumBomb),
    flag("HasSlash", &GameState::HasSlash),
    flag("HasStrike", &GameState::HasStrike),
    flag("HasBandage", &GameState::HasBandage),
    flag("HasDSlash", &GameState::HasDSlash),
    flag("HasDStrike", &GameState::HasDStrike),
    flag("HasHeatSword", &GameState::HasHeatSword),
    flag("HasColdSword", &GameState::HasColdSword),
    flag("HasElectricSword", &GameState::HasElectricSword),
    flag("HasLBandage", &GameState::HasLBandage),
    flag("HasNuke", &GameState::HasNuke),
    text("Location", &GameState::Location),
    text("Position", &GameState::Position),
    text("Quadrant", &GameState::Quadrant),
    number("StepsToFight", &GameState::StepsToFight),
}};
// clang-format on

constexpr std::string_view TrueWord = "#TRUE#";
constexpr std::string_view FalseWord = "#FALSE#";

// Every reader takes only -1 for true, so only -1 is written as true.
std::string formatted(const SavedField& field, const GameState& game) {
    switch (field.kind) {
    case Kind::Integer:
        return std::to_string(game.*field.number);
    case Kind::Flag:
        return std::string(game.*field.number == True ? TrueWord : FalseWord);
    case Kind::String:
        return '"' + game.*field.text + '"';
    }
    return {};
}

// What is wrong with the file, in words a player can read; empty while all is well.
using Problem = std::string;

// "field 5 (YourHP)"; a field beyond the record has only its number.
std::string fieldCalled(std::size_t index) {
    std::string words = "field " + std::to_string(index + 1);
    if (index < savedFields.size())
        words += " (" + std::string(savedFields[index].name) + ")";
    return words;
}

// Takes the record's own line end off. Whatever line break is left means a second line, and a
// NUL byte means the file is not text at all, not even inside a name.
Problem takeLineEnd(std::string_view& line) {
    if (line.find('\0') != std::string_view::npos)
        return "the file holds a NUL byte, so it is not a save file";
    if (line.ends_with("\r\n"))
        line.remove_suffix(2);
    else if (line.ends_with('\n'))
        line.remove_suffix(1);
    if (line.empty())
        return "the file is empty";
    if (line.find('\n') != std::string_view::npos)
        return "the file has more than one line";
    if (line.find('\r') != std::string_view::npos)
        return "the file has a carriage return without a line feed";
    return {};
}

// A field runs to the next comma, except that one opening with a double quote runs to the next
// double quote, commas and all, and the field must end right there.
Problem splitFields(std::string_view line, std::vector<std::string_view>& fields) {
    std::size_t start = 0;
    while (true) {
        std::size_t end = start;
        if (start < line.size() && line[start] == '"') {
            end = line.find('"', start + 1);
            if (end == std::string_view::npos)
                return fieldCalled(fields.size()) + " is missing its closing quote";
            ++end;
            if (end < line.size() && line[end] != ',')
                return fieldCalled(fields.size()) + " has more text after its closing quote";
        } else {
            end = std::min(line.find(',', start), line.size());
        }
        fields.push_back(line.substr(start, end - start));
        if (end == line.size())
            return {};
        start = end + 1;
    }
}

Problem countFields(std::size_t count) {
    if (count == savedFields.size())
        return {};
    return "the file has " + std::to_string(count) + (count == 1 ? " field" : " fields") +
           ", not " + std::to_string(savedFields.size());
}

// A whole number is an optional minus sign and decimal digits, nothing else: no plus sign and no
// blanks, since the game never writes them. Leading zeros are taken ("007" is 7): they are
// unambiguous and harmless in a file edited by hand. A number outside the 16-bit range is
// refused, never wrapped.
Problem readNumber(std::string_view token, Integer& value, std::size_t index) {
    int read = 0;
    const char* end = token.data() + token.size();
    const auto [stop, error] = std::from_chars(token.data(), end, read);
    if (error == std::errc::invalid_argument || stop != end)
        return fieldCalled(index) + " is not a whole number";
    if (error == std::errc::result_out_of_range || read < std::numeric_limits<Integer>::min() ||
        read > std::numeric_limits<Integer>::max())
        return fieldCalled(index) + " is outside the range -32768 to 32767";
    value = Integer(read);
    return {};
}

Problem readFlag(std::string_view token, Flag& value, std::size_t index) {
    if (token != TrueWord && token != FalseWord)
        return fieldCalled(index) + " is neither #TRUE# nor #FALSE#";
    value = token == TrueWord ? True : False;
    return {};
}

Problem readText(std::string_view token, std::string& value, std::size_t index) {
    if (token.size() < 2 || !token.starts_with('"') || !token.ends_with('"'))
        return fieldCalled(index) + " is not between double quotes";
    value = token.substr(1, token.size() - 2);
    return {};
}

Problem readField(std::string_view token, GameState& game, std::size_t index) {
    const SavedField& field = savedFields[index];
    switch (field.kind) {
    case Kind::Integer:
        return readNumber(token, game.*field.number, index);
    case Kind::Flag:
        return readFlag(token, game.*field.number, index);
    case Kind::String:
        return readText(token, game.*field.text, index);
    }
    return {};
}

// Fills `game` field by field; the caller keeps it only when no problem comes back.
Problem readInto(std::string_view text, GameState& game) {
    std::vector<std::string_view> fields;
    Problem problem = takeLineEnd(text);
    if (problem.empty())
        problem = splitFields(text, fields);
    if (problem.empty())
        problem = countFields(fields.size());
    for (std::size_t index = 0; problem.empty() && index < fields.size(); ++index)
        problem = readField(fields[index], game, index);
    return problem;
}

} // namespace

std::string formatSaveRecord(const GameState& game) {
    std::string line;
    for (const SavedField& field : savedFields) {
        if (&field != &savedFields.front())
            line += ',';
        line += formatted(field, game);
    }
    return line + "\r\n";
}

SaveRecordRead readSaveRecord(std::string_view text, const GameState& current) {
    GameState loaded = current;
    Problem problem = readInto(text, loaded);
    if (!problem.empty())
        return {false, current, std::move(problem)};
    return {true, std::move(loaded), {}};
}
