#include "history/phh_format.h"

#include <time.h>

#include <algorithm>
#include <charconv>
#include <cstring>
#include <sstream>
#include <toml++/toml.h>

#include "engine/cards.h"
#include "engine/seat_kind_names.h"
#include "engine/table_record.h"
#include "history/local_time.h"

namespace qf {

namespace {

// Betting structures 0..7 as variant code prefixes; the game letter follows.
constexpr const char* kStructureCodes[kStructureCount] = {"F", "F3", "S", "S3", "S4", "P", "N", "C"};

bool FixedLimit(uint8_t structure) {
  return structure == StructureFixed || structure == StructureFixedThreeTier;
}

std::string Cards(const uint8_t* cards, int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += CardText(cards[i]);
  return text;
}

std::string PhhActionText(const HandAction& action) {
  std::string text;
  if (action.kind == ActionKind::DealHole || action.kind == ActionKind::DealBoard) {
    text = action.kind == ActionKind::DealHole ? "d dh " : "d db ";
  }
  if (action.player >= 0) {
    text += 'p';
    text += std::to_string(action.player + 1);
    text += ' ';
  }
  switch (action.kind) {
    case ActionKind::DealHole:
    case ActionKind::DealBoard:
      break;
    case ActionKind::Fold:
      return text + 'f';
    case ActionKind::CheckCall:
      return text + "cc";
    case ActionKind::BetRaise:
      return text + "cbr " + std::to_string(action.amount);
    case ActionKind::Show:
      text += "sm ";
      break;
  }
  return text + Cards(action.cards.data(), action.cardCount);
}

template <typename Values, typename Get>
toml::array ArrayOf(const Values& values, Get get) {
  toml::array array;
  for (const auto& value : values) array.push_back(get(value));
  return array;
}

// The fields of a hand are filled into the values of the hand before: most
// keep their place from hand to hand, so few are made anew.
void Set(toml::table& table, std::string_view key, int64_t value) {
  if (toml::value<int64_t>* node = table.get_as<int64_t>(key)) {
    node->get() = value;
  } else {
    table.insert_or_assign(key, value);
  }
}

void Set(toml::table& table, std::string_view key, std::string_view value) {
  if (toml::value<std::string>* node = table.get_as<std::string>(key)) {
    node->get().assign(value);
  } else {
    table.insert_or_assign(key, std::string(value));
  }
}

toml::array& ArrayAt(toml::table& table, std::string_view key) {
  if (toml::array* array = table.get_as<toml::array>(key)) return *array;
  return *table.insert_or_assign(key, toml::array{}).first->second.as_array();
}

template <typename T, typename Get>
void SetArray(toml::table& table, std::string_view key, size_t count, Get get) {
  toml::array& array = ArrayAt(table, key);
  if (array.size() > count) array.truncate(count);
  for (size_t i = 0; i < count; ++i) {
    auto value = get(i);
    if (i >= array.size()) {
      array.push_back(T(value));
    } else if (toml::value<T>* node = array[i].template as<T>()) {
      node->get() = value;
    } else {
      array.replace(array.cbegin() + static_cast<ptrdiff_t>(i), T(value));
    }
  }
}

template <typename Get>
void SetPlayers(toml::table& table, std::string_view key, const HandRecord& hand, Get get) {
  SetArray<int64_t>(table, key, hand.players.size(),
                    [&](size_t i) { return static_cast<int64_t>(get(hand.players[i])); });
}

// The forced bets in the format's order: in a hand of two players the
// format reads them in reverse.
void SetForcedBets(toml::table& table, std::string_view key, const HandRecord& hand, bool antes) {
  const size_t n = hand.players.size();
  SetArray<int64_t>(table, key, n, [&](size_t i) {
    const HandPlayer& player = hand.players[n == 2 ? 1 - i : i];
    return int64_t{hand.antes == antes ? player.forcedBet : 0};
  });
}

void SetLocalTime(toml::table& table, int64_t startTime) {
  const LocalTime when = ToLocalTime(startTime);
  table.insert_or_assign("time", toml::time{static_cast<uint8_t>(when.hour),
                                            static_cast<uint8_t>(when.minute),
                                            static_cast<uint8_t>(when.second)});
  Set(table, "day", when.day);
  Set(table, "month", when.month);
  Set(table, "year", when.year);
  Set(table, "time_zone", when.zone);
}

void FillHandFields(toml::table& out, const HandRecord& hand) {
  Set(out, "variant", VariantCode(hand.holeCards, hand.structure));
  SetForcedBets(out, "antes", hand, true);
  SetForcedBets(out, "blinds_or_straddles", hand, false);
  if (FixedLimit(hand.structure)) {
    out.erase("min_bet");
    Set(out, "small_bet", static_cast<int64_t>(hand.minBet[0]));
    Set(out, "big_bet", static_cast<int64_t>(hand.minBet[2]));
  } else {
    out.erase("small_bet");
    out.erase("big_bet");
    Set(out, "min_bet", static_cast<int64_t>(hand.minBet[0]));
  }
  SetPlayers(out, "starting_stacks", hand, [](const HandPlayer& p) { return p.startingStack; });
  std::string text;
  SetArray<std::string>(out, "actions", hand.actions.size(), [&](size_t i) -> std::string_view {
    text = PhhActionText(hand.actions[i]);
    return text;
  });
  Set(out, "hand", static_cast<int64_t>(hand.number));
  SetLocalTime(out, hand.startTime);
  SetPlayers(out, "seats", hand, [](const HandPlayer& p) { return p.seat + 1; });
  Set(out, "seat_count", hand.seatCount);
  SetArray<std::string>(out, "players", hand.players.size(),
                        [&](size_t i) -> std::string_view { return hand.players[i].name; });
  Set(out, "currency_symbol", "$");
  Set(out, "_structure", hand.structure);
  toml::array& limits = ArrayAt(out, "_limits");
  limits.clear();
  for (int street = 0; street < 4; ++street) {
    limits.push_back(toml::array{static_cast<int64_t>(hand.minBet[street]),
                                 static_cast<int64_t>(hand.maxBet[street])});
  }
  Set(out, "_base_bet", hand.baseBet);
  Set(out, "_stake_level", hand.stakeLevel);
  Set(out, "_forced_bets", hand.antes ? "antes" : "blinds");
  Set(out, "_rake_percent", hand.rakePercent);
  Set(out, "_raise_cap", hand.raiseCap);
  Set(out, "_dealer_seat", hand.dealer + 1);
  SetArray<std::string>(out, "_kinds", hand.players.size(), [&](size_t i) -> std::string_view {
    return SeatKindName(hand.players[i].kind);
  });
  Set(out, "_unix_time", hand.startTime);
  if (!hand.complete) {
    for (const char* key :
         {"finishing_stacks", "winnings", "_returned", "_rake", "_pots", "_balances"}) {
      out.erase(key);
    }
    return;
  }
  SetPlayers(out, "finishing_stacks", hand, [](const HandPlayer& p) { return p.finishingStack; });
  SetPlayers(out, "winnings", hand, [](const HandPlayer& p) { return p.winnings; });
  SetPlayers(out, "_returned", hand, [](const HandPlayer& p) { return p.returned; });
  Set(out, "_rake", static_cast<int64_t>(hand.rake));
  toml::array& pots = ArrayAt(out, "_pots");
  pots.clear();
  for (const HandPot& pot : hand.pots) {
    pots.push_back(toml::table{
        {"amount", static_cast<int64_t>(pot.amount)},
        {"winners", ArrayOf(pot.winners, [](int w) { return int64_t{w + 1}; })}});
  }
  SetPlayers(out, "_balances", hand, [](const HandPlayer& p) { return p.finishingBalance; });
}

// Gathers the formatter's output in a buffer of its own and appends it to a
// string when full: characters go in without a call each.
class AppendBuffer : public std::streambuf {
 public:
  explicit AppendBuffer(std::string& text) : text_(text) { setp(buffer_, buffer_ + sizeof buffer_); }
  ~AppendBuffer() override { sync(); }

 protected:
  int_type overflow(int_type c) override {
    sync();
    if (c != traits_type::eof()) text_ += static_cast<char>(c);
    return c;
  }
  int sync() override {
    text_.append(pbase(), static_cast<size_t>(pptr() - pbase()));
    setp(buffer_, buffer_ + sizeof buffer_);
    return 0;
  }

 private:
  std::string& text_;
  char buffer_[4096];
};

// The fields as one table named by the hand's number, after an empty line;
// the fields are handed back afterwards.
void AppendHandTable(std::string& text, uint64_t number, toml::table& fields) {
  toml::table document;
  toml::table& named =
      *document.insert(std::to_string(number), std::move(fields)).first->second.as_table();
  {
    AppendBuffer buffer(text);
    std::ostream out(&buffer);
    out << '\n' << document << '\n';
  }
  fields = std::move(named);
}

// --- reading ----------------------------------------------------------------------------------

struct ReadError {
  std::string what;
};

[[noreturn]] void Fail(std::initializer_list<std::string_view> parts) {
  std::string what;
  for (std::string_view part : parts) what += part;
  throw ReadError{std::move(what)};
}

int64_t Integer(const toml::table& table, std::string_view key) {
  const auto value = table[key].value<int64_t>();
  if (!value) Fail({"no whole number '", key, "'"});
  return *value;
}

int64_t IntegerOr(const toml::table& table, std::string_view key, int64_t fallback) {
  return table[key].value_or(fallback);
}

uint32_t Amount(int64_t value, std::string_view what) {
  if (value < 0 || value > UINT32_MAX) Fail({"amount out of range in '", what, "'"});
  return static_cast<uint32_t>(value);
}

const toml::array& ArrayAt(const toml::table& table, std::string_view key, size_t length) {
  const toml::array* array = table[key].as_array();
  if (array == nullptr) Fail({"no array '", key, "'"});
  if (length != 0 && array->size() != length) Fail({"'", key, "' has the wrong length"});
  return *array;
}

std::vector<int64_t> Integers(const toml::table& table, std::string_view key, size_t length) {
  std::vector<int64_t> values;
  for (const toml::node& node : ArrayAt(table, key, length)) {
    const auto value = node.value<int64_t>();
    if (!value) Fail({"'", key, "' holds something other than whole numbers"});
    values.push_back(*value);
  }
  return values;
}

int ParseCards(std::string_view text, std::array<uint8_t, 4>& cards) {
  if (text.size() % 2 != 0 || text.size() > 8 || text.empty()) Fail({"bad cards '", text, "'"});
  const int count = static_cast<int>(text.size() / 2);
  for (int i = 0; i < count; ++i) {
    const int code = ParseCard(text.substr(2 * i, 2));
    if (code == 0) Fail({"bad card '", text.substr(2 * i, 2), "'"});
    cards[i] = static_cast<uint8_t>(code);
  }
  return count;
}

int PlayerIndex(std::string_view word, size_t players) {
  int index = 0;
  if (word.size() < 2 || word[0] != 'p' ||
      std::from_chars(word.data() + 1, word.data() + word.size(), index).ec != std::errc() ||
      index < 1 || static_cast<size_t>(index) > players) {
    Fail({"bad actor '", word, "'"});
  }
  return index - 1;
}

HandAction ParseAction(std::string_view text, size_t players) {
  text = text.substr(0, text.find('#'));
  std::vector<std::string_view> words;
  for (size_t i = 0; i < text.size();) {
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    size_t end = i;
    while (end < text.size() && text[end] != ' ' && text[end] != '\t') ++end;
    if (end > i) words.push_back(text.substr(i, end - i));
    i = end;
  }
  HandAction action;
  const std::string whole(text);
  if (words.size() == 3 && words[0] == "d" && words[1] == "db") {
    action.kind = ActionKind::DealBoard;
    action.cardCount = ParseCards(words[2], action.cards);
  } else if (words.size() == 4 && words[0] == "d" && words[1] == "dh") {
    action.kind = ActionKind::DealHole;
    action.player = PlayerIndex(words[2], players);
    action.cardCount = ParseCards(words[3], action.cards);
  } else if (words.size() >= 2) {
    action.player = PlayerIndex(words[0], players);
    if (words.size() == 2 && words[1] == "f") {
      action.kind = ActionKind::Fold;
    } else if (words.size() == 2 && words[1] == "cc") {
      action.kind = ActionKind::CheckCall;
    } else if (words.size() == 3 && words[1] == "cbr") {
      action.kind = ActionKind::BetRaise;
      int64_t amount = -1;
      std::from_chars(words[2].data(), words[2].data() + words[2].size(), amount);
      action.amount = Amount(amount, whole);
    } else if (words.size() == 3 && words[1] == "sm") {
      action.kind = ActionKind::Show;
      action.cardCount = ParseCards(words[2], action.cards);
    } else {
      Fail({"unknown action '", whole, "'"});
    }
  } else {
    Fail({"unknown action '", whole, "'"});
  }
  return action;
}

void ParseVariant(std::string_view code, HandRecord& hand) {
  for (uint8_t structure = 0; structure < kStructureCount; ++structure) {
    for (uint8_t hole : {kTexasHoleCards, kOmahaHoleCards}) {
      if (VariantCode(hole, structure) == code) {
        hand.holeCards = hole;
        hand.structure = structure;
        return;
      }
    }
  }
  Fail({"unknown variant '", code, "'"});
}

HandRecord HandFromTable(const toml::table& table, uint64_t number) {
  HandRecord hand;
  hand.number = number;
  const auto variant = table["variant"].value<std::string>();
  if (!variant) Fail({"no variant"});
  ParseVariant(*variant, hand);
  const std::vector<int64_t> stacks = Integers(table, "starting_stacks", 0);
  const size_t n = stacks.size();
  if (n < 2 || n > kSeatCount) Fail({"not 2 to 10 players"});
  std::vector<int64_t> antes = Integers(table, "antes", n);
  std::vector<int64_t> blinds = Integers(table, "blinds_or_straddles", n);
  if (n == 2) {
    std::swap(antes[0], antes[1]);
    std::swap(blinds[0], blinds[1]);
  }
  hand.antes = table["_forced_bets"].value_or(std::string("blinds")) == "antes";
  const std::vector<int64_t> seats = Integers(table, "seats", n);
  const toml::array& names = ArrayAt(table, "players", n);
  const toml::array* kinds = table["_kinds"].as_array();
  hand.players.resize(n);
  for (size_t i = 0; i < n; ++i) {
    HandPlayer& player = hand.players[i];
    if (seats[i] < 1 || seats[i] > kSeatCount) Fail({"seat out of range"});
    player.seat = static_cast<int>(seats[i] - 1);
    player.name = names[i].value_or(std::string());
    player.startingStack = Amount(stacks[i], "starting_stacks");
    player.forcedBet = Amount(hand.antes ? antes[i] : blinds[i], "forced bets");
    player.kind = KindSmart;
    if (kinds != nullptr && i < kinds->size()) {
      const std::string kind = (*kinds)[i].value_or(std::string());
      for (uint32_t k = 0; k < kKindCount; ++k) {
        if (kind == SeatKindName(k)) player.kind = k;
      }
    }
  }
  // The rules: our own fields where present, else what the format's fields say.
  hand.structure = static_cast<uint8_t>(IntegerOr(table, "_structure", hand.structure));
  if (hand.structure >= kStructureCount) Fail({"structure out of range"});
  const toml::array* limits = table["_limits"].as_array();
  if (limits != nullptr && limits->size() == 4) {
    for (int street = 0; street < 4; ++street) {
      const toml::array* pair = (*limits)[street].as_array();
      if (pair == nullptr || pair->size() != 2) Fail({"bad '_limits'"});
      hand.minBet[street] = Amount((*pair)[0].value_or(int64_t{-1}), "_limits");
      hand.maxBet[street] = Amount((*pair)[1].value_or(int64_t{-1}), "_limits");
    }
  } else if (FixedLimit(hand.structure)) {
    const uint32_t small = Amount(Integer(table, "small_bet"), "small_bet");
    const uint32_t big = Amount(Integer(table, "big_bet"), "big_bet");
    hand.minBet = hand.maxBet = {small, small, big, big};
  } else {
    hand.minBet.fill(Amount(Integer(table, "min_bet"), "min_bet"));
  }
  hand.baseBet = Amount(IntegerOr(table, "_base_bet", int64_t(hand.minBet[0])), "_base_bet");
  hand.stakeLevel = Amount(IntegerOr(table, "_stake_level", 1), "_stake_level");
  hand.rakePercent = static_cast<uint8_t>(std::clamp<int64_t>(IntegerOr(table, "_rake_percent", 0), 0, 10));
  hand.raiseCap = static_cast<uint8_t>(std::clamp<int64_t>(IntegerOr(table, "_raise_cap", 0), 0, 10));
  hand.dealer = static_cast<int>(IntegerOr(table, "_dealer_seat", hand.players.back().seat + 1) - 1);
  if (hand.dealer < 0 || hand.dealer >= kSeatCount) Fail({"dealer seat out of range"});
  hand.seatCount = static_cast<int>(IntegerOr(table, "seat_count", kSeatCount));
  hand.startTime = IntegerOr(table, "_unix_time", 0);

  for (const toml::node& node : ArrayAt(table, "actions", 0)) {
    const auto text = node.value<std::string>();
    if (!text) Fail({"an action that is not text"});
    const std::string_view trimmed = *text;
    if (trimmed.find_first_not_of(" \t") == std::string_view::npos || trimmed.front() == '#') continue;
    HandAction action = ParseAction(trimmed, n);
    if (action.kind == ActionKind::DealHole) {
      hand.players[action.player].hole = action.cards;
    }
    hand.actions.push_back(action);
  }

  if (table.contains("finishing_stacks")) {
    hand.complete = true;
    const std::vector<int64_t> finishing = Integers(table, "finishing_stacks", n);
    const std::vector<int64_t> winnings = Integers(table, "winnings", n);
    std::vector<int64_t> balances(n, 0);
    std::vector<int64_t> returned(n, 0);
    if (table.contains("_balances")) balances = Integers(table, "_balances", n);
    if (table.contains("_returned")) returned = Integers(table, "_returned", n);
    for (size_t i = 0; i < n; ++i) {
      hand.players[i].finishingStack = Amount(finishing[i], "finishing_stacks");
      hand.players[i].winnings = Amount(winnings[i], "winnings");
      hand.players[i].finishingBalance = static_cast<int32_t>(balances[i]);
      hand.players[i].returned = Amount(returned[i], "_returned");
    }
    hand.rake = Amount(IntegerOr(table, "_rake", 0), "_rake");
    if (const toml::array* pots = table["_pots"].as_array()) {
      for (const toml::node& node : *pots) {
        const toml::table* pot = node.as_table();
        if (pot == nullptr) Fail({"bad '_pots'"});
        HandPot entry{Amount(Integer(*pot, "amount"), "_pots"), {}};
        for (int64_t w : Integers(*pot, "winners", 0)) {
          if (w < 1 || static_cast<size_t>(w) > n) Fail({"bad pot winner"});
          entry.winners.push_back(static_cast<int>(w - 1));
        }
        hand.pots.push_back(std::move(entry));
      }
    }
  }
  return hand;
}

bool HeaderNumber(std::string_view line, uint64_t& number) {
  while (!line.empty() && (line.back() == ' ' || line.back() == '\r' || line.back() == '\t')) {
    line.remove_suffix(1);
  }
  if (line.size() < 3 || line.front() != '[' || line.back() != ']') return false;
  const std::string_view digits = line.substr(1, line.size() - 2);
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
  return error == std::errc() && end == digits.data() + digits.size();
}

struct Chunk {
  uint64_t number;
  size_t begin, end;  // the header line's start, the next header's start
  size_t line;        // 1-based line of the header
};

std::vector<Chunk> SplitHands(std::string_view text) {
  std::vector<Chunk> chunks;
  size_t line = 1;
  for (size_t start = 0; start < text.size(); ++line) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    uint64_t number = 0;
    if (HeaderNumber(text.substr(start, end - start), number)) {
      if (!chunks.empty()) chunks.back().end = start;
      chunks.push_back({number, start, text.size(), line});
    }
    start = end + 1;
  }
  return chunks;
}

std::string Describe(const Chunk& chunk, const std::string& why) {
  return "hand " + std::to_string(chunk.number) + " at line " + std::to_string(chunk.line) +
         " skipped: " + why;
}

}  // namespace

std::string VariantCode(uint8_t holeCards, uint8_t structure) {
  const char* prefix = structure < kStructureCount ? kStructureCodes[structure] : "?";
  return std::string(prefix) + (holeCards == kOmahaHoleCards ? "O" : "T");
}

struct PhhWriter::Fields {
  toml::table table;
};

PhhWriter::PhhWriter() : fields_(std::make_unique<Fields>()) {}
PhhWriter::~PhhWriter() = default;

void PhhWriter::Append(std::string& text, const HandRecord& hand) {
  FillHandFields(fields_->table, hand);
  AppendHandTable(text, hand.number, fields_->table);
}

std::string HandToPhh(const HandRecord& hand) {
  std::string text;
  PhhWriter().Append(text, hand);
  return text;
}

PhhHands ReadPhhHands(std::string_view text) {
  PhhHands result;
  for (const Chunk& chunk : SplitHands(text)) {
    const std::string_view part = text.substr(chunk.begin, chunk.end - chunk.begin);
    try {
      const toml::table document = toml::parse(part);
      const toml::table* hand = document[std::to_string(chunk.number)].as_table();
      if (hand == nullptr) Fail({"no fields"});
      result.hands.push_back(HandFromTable(*hand, chunk.number));
    } catch (const toml::parse_error& error) {
      result.skipped.push_back(Describe(
          chunk, std::string(error.description()) + " (line " +
                     std::to_string(chunk.line - 1 + error.source().begin.line) + ")"));
    } catch (const ReadError& error) {
      result.skipped.push_back(Describe(chunk, error.what));
    }
  }
  return result;
}

uint64_t LastHandNumber(std::string_view text) {
  uint64_t last = 0;
  for (const Chunk& chunk : SplitHands(text)) last = std::max(last, chunk.number);
  return last;
}

std::string RecorderStateToPhh(const RecorderState& state) {
  toml::table out;
  FillHandFields(out, state.hand);
  static constexpr char kHex[] = "0123456789abcdef";
  std::string image;
  const auto* bytes = reinterpret_cast<const unsigned char*>(&state.lastSeen);
  for (size_t i = 0; i < sizeof state.lastSeen; ++i) {
    image += kHex[bytes[i] >> 4];
    image += kHex[bytes[i] & 15];
  }
  Set(out, "_table", image);
  out.insert_or_assign("_street_base",
                       ArrayOf(state.streetBase, [](uint32_t v) { return int64_t{v}; }));
  Set(out, "_cards_recorded", state.cardsRecorded);
  Set(out, "_blinds_posted", state.blindsPosted);
  std::string text;
  AppendHandTable(text, state.hand.number, out);
  return text;
}

std::optional<RecorderState> RecorderStateFromPhh(std::string_view text) {
  const std::vector<Chunk> chunks = SplitHands(text);
  if (chunks.size() != 1) return std::nullopt;
  try {
    const toml::table document = toml::parse(text.substr(chunks[0].begin));
    const toml::table* table = document[std::to_string(chunks[0].number)].as_table();
    if (table == nullptr) return std::nullopt;
    RecorderState state;
    state.hand = HandFromTable(*table, chunks[0].number);
    const std::string image = (*table)["_table"].value_or(std::string());
    if (image.size() != 2 * sizeof state.lastSeen) return std::nullopt;
    auto* bytes = reinterpret_cast<unsigned char*>(&state.lastSeen);
    for (size_t i = 0; i < sizeof state.lastSeen; ++i) {
      unsigned value = 0;
      if (std::from_chars(image.data() + 2 * i, image.data() + 2 * i + 2, value, 16).ec !=
          std::errc()) {
        return std::nullopt;
      }
      bytes[i] = static_cast<unsigned char>(value);
    }
    const std::vector<int64_t> bases = Integers(*table, "_street_base", kSeatCount);
    for (int seat = 0; seat < kSeatCount; ++seat) state.streetBase[seat] = Amount(bases[seat], "_street_base");
    state.cardsRecorded = static_cast<int>(Integer(*table, "_cards_recorded"));
    state.blindsPosted = static_cast<int>(Integer(*table, "_blinds_posted"));
    return state;
  } catch (const toml::parse_error&) {
    return std::nullopt;
  } catch (const ReadError&) {
    return std::nullopt;
  }
}

}  // namespace qf
