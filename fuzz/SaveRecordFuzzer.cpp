// Fuzzes the save record. Each input is a save file, refused cleanly or taken as just what the
// writer writes, and the source of a whole saved state, which must come back through its record.
#include "state/SaveRecord.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fuzzer/FuzzedDataProvider.h>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

// Stops the run naming the property that broke; libFuzzer keeps the input that broke it.
void require(bool holds, const char* property, std::string_view detail = {}) {
    if (holds)
        return;
    std::fprintf(stderr, "Broken property: %s %s\n", property, std::string(detail).c_str());
    std::abort();
}

// A record's fields without its line end (CR LF, LF or none): commas outside quotes part them.
std::vector<std::string_view> fieldsOf(std::string_view text) {
    text.remove_suffix(text.ends_with("\r\n") ? 2 : text.ends_with('\n') ? 1 : 0);
    std::vector<std::string_view> fields;
    for (std::size_t at = 0, start = 0, quoted = 0; at <= text.size(); ++at)
        if (at == text.size() || (text[at] == ',' && !quoted))
            fields.push_back(text.substr(start, at - start)), start = at + 1;
        else
            quoted ^= text[at] == '"';
    return fields;
}

// A taken field says what the writer wrote, or the same whole number with zeros ("007", "-0").
bool sameField(std::string_view taken, std::string_view written) {
    const auto number = [](std::string_view text) -> std::optional<long long> {
        long long value = 0;
        const char* const end = text.data() + text.size();
        const auto [stop, error] = std::from_chars(text.data(), end, value);
        return error == std::errc() && stop == end ? std::optional(value) : std::nullopt;
    };
    return taken == written || (number(taken) && number(taken) == number(written));
}

// Any file at all is either refused, with a reason and the game left as it was, or taken; a
// taken file is what the writer writes for what was read, up to leading zeros and the line end
// (and what the writer writes reads back whole: see checkAnyState).
void checkFileText(std::string_view text, const GameState& current) {
    const SaveRecordRead read = readSaveRecord(text, current);
    if (!read.ok) {
        require(!read.problem.empty() && read.game == current,
                "a refused file says why and leaves the game as it was");
        return;
    }
    require(read.problem.empty(), "a taken file reports no problem", read.problem);
    const std::string written = formatSaveRecord(read.game);
    const std::vector<std::string_view> taken = fieldsOf(text);
    const std::vector<std::string_view> rewritten = fieldsOf(written);
    require(std::equal(taken.begin(), taken.end(), rewritten.begin(), rewritten.end(), sameField),
            "a taken file is what the writer writes for it", written);
}

// The saved fields, listed here apart from the reader's own table, so that a field the table
// leaves out or holds twice shows up as a state that does not come back.
constexpr Integer GameState::*savedNumbers[] = {
    &GameState::StoryStage,   &GameState::YourLevel, &GameState::YourEX,      &GameState::YourHP,
    &GameState::YourTP,       &GameState::YourAT,    &GameState::YourDE,      &GameState::YourSE,
    &GameState::YourSP,       &GameState::YourMaxHP, &GameState::YourMaxTP,   &GameState::YourMaxAT,
    &GameState::YourMaxDE,    &GameState::YourMaxSE, &GameState::YourMaxSP,   &GameState::YourGold,
    &GameState::NumBread,     &GameState::NumLBread, &GameState::NumFruit,    &GameState::NumLFruit,
    &GameState::NumChocolate, &GameState::NumMace,   &GameState::NumHelmet,   &GameState::NumShoes,
    &GameState::NumBoomerang, &GameState::NumBomb,   &GameState::StepsToFight};
constexpr Flag GameState::*savedFlags[] = {&GameState::HasSlash,     &GameState::HasStrike,
                                           &GameState::HasBandage,   &GameState::HasDSlash,
                                           &GameState::HasDStrike,   &GameState::HasHeatSword,
                                           &GameState::HasColdSword, &GameState::HasElectricSword,
                                           &GameState::HasLBandage,  &GameState::HasNuke};
constexpr std::string GameState::*savedTexts[] = {&GameState::YourName, &GameState::Location,
                                                  &GameState::Position, &GameState::Quadrant};

// Any state the record can hold (texts without a double quote, a line break or a NUL byte, and
// only -1 as true) comes back whole through its own record; unsaved fields stay as they were.
void checkAnyState(FuzzedDataProvider& bytes, const GameState& current) {
    GameState state = current;
    for (std::string GameState::*field : savedTexts) {
        state.*field = bytes.ConsumeRandomLengthString(2000);
        std::erase_if(state.*field, [](char c) { return std::strchr("\"\r\n", c); }); // and NUL
    }
    for (Integer GameState::*field : savedNumbers)
        state.*field = bytes.ConsumeIntegral<Integer>();
    for (Flag GameState::*field : savedFlags)
        state.*field = bytes.ConsumeBool() ? True : False;
    const std::string written = formatSaveRecord(state);
    const SaveRecordRead read = readSaveRecord(written, current);
    require(read.ok && read.game == state, "any state's record reads back to that state", written);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const GameState current = [] {
        GameState game; // in the middle of a fight: reading a record must not touch these
        game.EnemyName = "Bat";
        game.EnemyHP = 3;
        game.BattleAT = 12;
        game.CellOpen(2, 3) = True;
        return game;
    }();
    checkFileText({reinterpret_cast<const char*>(data), size}, current);
    FuzzedDataProvider bytes(data, size);
    checkAnyState(bytes, current);
    return 0;
}
