#include "records/OverallScore.h"

#include <algorithm>
#include <filesystem>
#include <random>
#include <system_error>

#include "engine/FixedText.h"
#include "platform/Text.h"
#include "records/RecordFile.h"

namespace jw {

namespace {

constexpr std::string_view kKey = "57261";
constexpr std::string_view kSalt = "0841";
constexpr std::string_view kBase64 =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+-";
constexpr int kExportNameLength = 30;

constexpr int kTotalDigits = 12;
constexpr int kGameScoreDigits = 12;
constexpr int kGameTimeDigits = 6;
constexpr std::int64_t kLargestTotal = 999999999999;
constexpr std::int64_t kLargestGameTime = 999999;

std::string ScoreKey(GameId id) {
    return "GS-" + FormatFixed(id, 5);
}
std::string TimeKey(GameId id) {
    return "GT-" + FormatFixed(id, 5);
}

// The digits of `value` zero-padded to `width` (kept within the field).
std::string Digits(std::int64_t value, int width, std::int64_t largest) {
    return FormatFixed(std::clamp<std::int64_t>(value, 0, largest), width);
}

// Reads the digits standing at the given 1-based positions; nothing when
// one is missing or is no digit.
std::optional<std::int64_t> DigitsAt(std::string_view text, std::initializer_list<int> positions) {
    std::int64_t value = 0;
    for (const int position : positions) {
        const auto index = static_cast<std::size_t>(position - 1);
        if (index >= text.size() || text[index] < '0' || text[index] > '9')
            return std::nullopt;
        value = value * 10 + (text[index] - '0');
    }
    return value;
}

// The positions from `first` on, `count` of them, `step` apart.
template <int Count>
std::optional<std::int64_t> DigitsEvery(std::string_view text, int first, int step) {
    std::int64_t value = 0;
    for (int i = 0; i < Count; ++i) {
        const auto digit = DigitsAt(text, {first + i * step});
        if (!digit)
            return std::nullopt;
        value = value * 10 + *digit;
    }
    return value;
}

std::string Checksum(std::string_view text, int width) {
    return FormatFixed(OverallChecksum(text), width);
}

const std::vector<OverallGameBest>& BuiltInGamesByName() {
    static const std::vector<OverallGameBest> games = [] {
        const GameCatalog catalog;
        std::vector<OverallGameBest> list;
        for (const GameId id : catalog.Ids())
            list.push_back({id, catalog.NameOf(id), 0, 0});
        std::stable_sort(list.begin(), list.end(), [](const auto& a, const auto& b) {
            return ToLowerAscii(a.game) < ToLowerAscii(b.game);
        });
        return list;
    }();
    return games;
}

std::string Stored(const RecordSnapshot& file, std::string_view section, std::string_view key) {
    const auto value = file.Find(section, key);
    return value ? std::string(*value) : MissingOverallValue(key);
}

std::optional<OverallTotals> StoredTotals(const RecordSnapshot& file, std::string_view section) {
    return DecodeTotals(UnscrambleOverall(Stored(file, section, "T01")),
                        UnscrambleOverall(Stored(file, section, "T02")),
                        UnscrambleOverall(Stored(file, section, "T03")));
}

std::optional<OverallDetails> Details(const RecordSnapshot& file, std::string_view player) {
    OverallDetails details;
    details.games = BuiltInGamesByName();
    for (OverallGameBest& game : details.games) {
        const auto score =
            DecodeGameScore(UnscrambleOverall(Stored(file, player, ScoreKey(game.id))));
        const auto time = DecodeGameTime(UnscrambleOverall(Stored(file, player, TimeKey(game.id))));
        if (!score || !time)
            return std::nullopt;
        game.score = *score;
        game.seconds = *time;
        details.score += *score;
        details.seconds += *time;
    }
    return details;
}

}  // namespace

std::int64_t OverallChecksum(std::string_view text) {
    std::int64_t sum = 0;
    for (std::size_t n = 0; n < text.size(); ++n) {
        const std::int64_t i = static_cast<std::int64_t>(n) + 1;
        const std::int64_t c = static_cast<unsigned char>(text[n]);
        sum += c + (i * c) / 2 + (i + c) % 3 + i;
    }
    return sum;
}

std::string ScrambleOverall(std::string_view plain) {
    std::string stored(plain);
    for (std::size_t i = 0; i < stored.size(); ++i)
        stored[i] = static_cast<char>((static_cast<unsigned char>(stored[i]) +
                                       static_cast<unsigned char>(kKey[i % kKey.size()])) %
                                      256);
    return stored;
}

std::string UnscrambleOverall(std::string_view stored) {
    std::string plain(stored);
    for (std::size_t i = 0; i < plain.size(); ++i)
        plain[i] = static_cast<char>((static_cast<unsigned char>(plain[i]) + 256 -
                                      static_cast<unsigned char>(kKey[i % kKey.size()])) %
                                     256);
    return plain;
}

FillerSource RandomFillers() {
    auto engine = std::make_shared<std::mt19937>(std::random_device{}());
    return [engine] {
        return static_cast<char>('0' + std::uniform_int_distribution<int>(0, 8)(*engine));
    };
}

std::string EncodeTotalScore(std::int64_t score, const FillerSource& filler) {
    std::string plain{filler(), filler()};
    for (const char digit : Digits(score, kTotalDigits, kLargestTotal)) {
        plain.push_back(digit);
        plain.push_back(filler());
    }
    plain.push_back(filler());
    plain.push_back(filler());
    return plain;
}

std::string EncodeTotalTime(std::int64_t seconds, const FillerSource& filler) {
    std::string plain{filler()};
    for (const char digit : Digits(seconds, kTotalDigits, kLargestTotal)) {
        plain.push_back(digit);
        plain.push_back(filler());
    }
    for (int i = 0; i < 3; ++i)
        plain.push_back(filler());
    return plain;
}

std::string EncodeTotalsCheck(std::string_view plainScore, std::string_view plainTime) {
    std::string text(kSalt);
    text.append(plainScore);
    text.append(plainTime);
    return std::string(kSalt) + Checksum(text, 8);
}

std::string EncodeGameScore(std::int64_t score, const FillerSource& filler) {
    const std::string digits = Digits(score, kGameScoreDigits, kLargestTotal);
    std::string plain{filler()};
    for (std::size_t i = 0; i < digits.size(); i += 2) {
        plain.append(digits, i, 2);
        plain.push_back(filler());
    }
    return plain + Checksum(plain, 6);
}

std::string EncodeGameTime(std::int64_t seconds, const FillerSource& filler) {
    const std::string digits = Digits(seconds, kGameTimeDigits, kLargestGameTime);
    std::string plain{filler(), filler()};
    for (std::size_t i = 0; i < digits.size(); i += 2) {
        if (i > 0)
            plain.push_back(filler());
        plain.append(digits, i, 2);
    }
    return plain + Checksum(plain, 6);
}

std::optional<OverallTotals> DecodeTotals(std::string_view plainScore, std::string_view plainTime,
                                          std::string_view plainCheck) {
    const auto score = DigitsEvery<kTotalDigits>(plainScore, 3, 2);
    const auto seconds = DigitsEvery<kTotalDigits>(plainTime, 2, 2);
    const auto check = DigitsEvery<8>(plainCheck, 5, 1);
    if (!score || !seconds || !check)
        return std::nullopt;
    if (*check != 0 || *score != 0 || *seconds != 0) {
        std::string text(plainCheck.substr(0, 4));
        text.append(plainScore);
        text.append(plainTime);
        if (*check != OverallChecksum(text))
            return std::nullopt;
    }
    return OverallTotals{*score, *seconds};
}

std::optional<std::int64_t> DecodeGameScore(std::string_view plain) {
    const auto score = DigitsAt(plain, {2, 3, 5, 6, 8, 9, 11, 12, 14, 15, 17, 18});
    const auto check = DigitsEvery<6>(plain, 20, 1);
    if (!score || !check)
        return std::nullopt;
    if ((*score != 0 || *check != 0) && *check != OverallChecksum(plain.substr(0, 19)))
        return std::nullopt;
    return score;
}

std::optional<std::int64_t> DecodeGameTime(std::string_view plain) {
    const auto seconds = DigitsAt(plain, {3, 4, 6, 7, 9, 10});
    const auto check = DigitsEvery<6>(plain, 11, 1);
    if (!seconds || !check)
        return std::nullopt;
    if ((*seconds != 0 || *check != 0) && *check != OverallChecksum(plain.substr(0, 10)))
        return std::nullopt;
    return seconds;
}

std::string MissingOverallValue(std::string_view key) {
    const std::string zeros(30, '0');
    return ScrambleOverall(key == "T03" ? std::string(kSalt) + zeros : zeros);
}

namespace {

constexpr unsigned kCipherStart = 38291;

unsigned NextCipherKey(unsigned key, unsigned char enciphered) {
    return ((key + enciphered) * 31968u + 26403u) % 65536u;
}

}  // namespace

std::string OverallExportCode(std::string_view player, std::string_view storedScore,
                              std::string_view storedTime, std::string_view storedCheck) {
    std::string text = ScrambleOverall(PadRight(player, kExportNameLength));
    text.append(TrimRight(storedScore));
    text.append(TrimRight(storedTime));
    text.append(TrimRight(storedCheck));
    text = ScrambleOverall(Checksum(text, 8)) + text;

    unsigned key = kCipherStart;
    for (char& byte : text) {
        const auto c = static_cast<unsigned char>(static_cast<unsigned char>(byte) ^ (key >> 8));
        byte = static_cast<char>(c);
        key = NextCipherKey(key, c);
    }

    std::string code = "m";
    unsigned bits = 0;
    int count = 0;
    for (const char byte : text) {
        bits = (bits << 8) | static_cast<unsigned char>(byte);
        count += 8;
        while (count >= 6) {
            count -= 6;
            code.push_back(kBase64[(bits >> count) & 63u]);
        }
    }
    if (count > 0)
        code.push_back(kBase64[(bits << (6 - count)) & 63u]);
    return code;
}

std::optional<ExportedScore> DecodeOverallExportCode(std::string_view code) {
    if (code.empty() || code.front() != 'm')
        return std::nullopt;
    std::string bytes;
    unsigned bits = 0;
    int count = 0;
    for (const char symbol : code.substr(1)) {
        const auto value = kBase64.find(symbol);
        if (value == std::string_view::npos)
            return std::nullopt;
        bits = (bits << 6) | static_cast<unsigned>(value);
        count += 6;
        if (count >= 8) {
            count -= 8;
            bytes.push_back(static_cast<char>((bits >> count) & 255u));
        }
    }
    unsigned key = kCipherStart;
    for (char& byte : bytes) {
        const auto c = static_cast<unsigned char>(byte);
        byte = static_cast<char>(c ^ (key >> 8));
        key = NextCipherKey(key, c);
    }
    constexpr std::size_t kSum = 8, kName = kExportNameLength, kScore = 28, kTime = 28, kCheck = 12;
    if (bytes.size() != kSum + kName + kScore + kTime + kCheck)
        return std::nullopt;
    ExportedScore score;
    const std::string_view text(bytes);
    score.player = std::string(TrimRight(UnscrambleOverall(text.substr(kSum, kName))));
    score.storedScore = std::string(text.substr(kSum + kName, kScore));
    score.storedTime = std::string(text.substr(kSum + kName + kScore, kTime));
    score.storedCheck = std::string(text.substr(kSum + kName + kScore + kTime, kCheck));
    score.checksumValid = UnscrambleOverall(text.substr(0, kSum)) == Checksum(text.substr(kSum), 8);
    return score;
}

OverallScore::OverallScore(std::string dataFolder) : folder(std::move(dataFolder)) {}

std::string OverallScore::Path() const {
    return FindDataFile(folder, "Stat_glo.dat");
}

void OverallScore::Reset() {
    std::error_code error;
    std::filesystem::remove(Path(), error);
    if (onReset)
        onReset();
}

bool OverallScore::Update(GameId id, const std::string& player, bool force, std::int64_t seconds,
                          std::int64_t score) {
    if (id < 0 || id >= kFirstCustomGameId || score < 0)
        return true;
    const std::string path = Path();
    if (!EnsureRecordFile(path, "VOvS"))
        return false;
    const RecordSnapshot file(path);
    const auto totals = StoredTotals(file, player);
    const auto gameScore = DecodeGameScore(UnscrambleOverall(Stored(file, player, ScoreKey(id))));
    const auto gameTime = DecodeGameTime(UnscrambleOverall(Stored(file, player, TimeKey(id))));
    if (!totals || !gameScore || !gameTime) {
        Reset();
        return false;
    }
    const bool better =
        score > 0 && (score > *gameScore || (score == *gameScore && seconds < *gameTime));
    if (!force && !better)
        return true;
    seconds = std::clamp<std::int64_t>(seconds, 0, kLargestGameTime);
    const std::string plainScore = EncodeTotalScore(totals->score + score - *gameScore, filler);
    const std::string plainTime = EncodeTotalTime(totals->seconds + seconds - *gameTime, filler);
    return WriteValues(path, player, {"T01", "T02", "T03", ScoreKey(id), TimeKey(id)},
                       {ScrambleOverall(plainScore), ScrambleOverall(plainTime),
                        ScrambleOverall(EncodeTotalsCheck(plainScore, plainTime)),
                        ScrambleOverall(EncodeGameScore(score, filler)),
                        ScrambleOverall(EncodeGameTime(seconds, filler))});
}

std::vector<OverallStanding> OverallScore::LoadStandings() {
    const std::string path = Path();
    std::error_code error;
    if (!std::filesystem::exists(path, error))
        return {};
    const RecordSnapshot file(path);
    std::vector<std::string> players;
    for (const std::string& section : file.Sections()) {
        if (std::find(players.begin(), players.end(), section) != players.end())
            continue;  // a repeated section: only its first occurrence counts
        if (!StoredTotals(file, section)) {
            Reset();
            return {};
        }
        players.push_back(section);
    }
    std::vector<OverallStanding> ranked;
    for (const std::string& player : players) {
        const auto details = Details(file, player);
        if (!details) {
            Reset();
            return {};
        }
        OverallStanding standing;
        standing.player = player;
        standing.score = details->score;
        standing.seconds = details->seconds;
        const std::string plainScore = EncodeTotalScore(standing.score, filler);
        const std::string plainTime = EncodeTotalTime(standing.seconds, filler);
        standing.storedScore = ScrambleOverall(plainScore);
        standing.storedTime = ScrambleOverall(plainTime);
        standing.storedCheck = ScrambleOverall(EncodeTotalsCheck(plainScore, plainTime));
        const auto place = std::find_if(ranked.begin(), ranked.end(), [&](const auto& other) {
            return other.score < standing.score ||
                   (other.score == standing.score && other.seconds > standing.seconds);
        });
        ranked.insert(place, std::move(standing));
    }
    std::erase_if(ranked, [](const OverallStanding& s) { return s.score == 0; });
    return ranked;
}

std::optional<OverallDetails> OverallScore::LoadPlayerDetails(const std::string& player) {
    const auto details = Details(RecordSnapshot(Path()), player);
    if (!details)
        Reset();
    return details;
}

bool OverallScore::HasPlayer(const std::string& player) const {
    const std::vector<std::string> sections = ListSections(Path());
    return std::find(sections.begin(), sections.end(), player) != sections.end();
}

std::string OverallScore::ExportCode(const std::string& player) {
    for (const OverallStanding& standing : LoadStandings())
        if (standing.player == player)
            return OverallExportCode(player, standing.storedScore, standing.storedTime,
                                     standing.storedCheck);
    return {};
}

}  // namespace jw
