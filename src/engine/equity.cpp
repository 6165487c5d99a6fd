#include "engine/equity.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "engine/evaluate.h"
#include "engine/table_record.h"

namespace qf {

namespace {

constexpr int kBoardCards = 5;
constexpr uint64_t kSaturated = UINT64_MAX;

uint64_t SaturatingProduct(uint64_t a, uint64_t b) {
  return b != 0 && a > kSaturated / b ? kSaturated : a * b;
}

uint64_t Choose(int n, int k) {
  if (k < 0 || k > n) return 0;
  uint64_t result = 1;
  for (int i = 1; i <= k; ++i) result = result * static_cast<uint64_t>(n - k + i) / i;
  return result;
}

// One deal laid out: each hand's hole cards followed by the board.
class Deal {
 public:
  explicit Deal(const EquitySpot& spot) : hole_(spot.holeCards), count_(spot.hands.size()) {
    for (size_t h = 0; h < count_; ++h) {
      for (int i = 0; i < hole_ && i < static_cast<int>(spot.hands[h].size()); ++i) {
        cards_[h][i] = spot.hands[h][i];
      }
    }
    for (size_t i = 0; i < spot.board.size(); ++i) board_[i] = spot.board[i];
  }

  uint8_t* Hole(size_t hand) { return cards_[hand].data(); }
  uint8_t* Board() { return board_.data(); }

  // Adds this deal's outcome: the best hands share the pot.
  void Score(std::vector<double>& wins, std::vector<double>& ties, std::vector<double>& shares,
             std::vector<double>* squares) {
    std::array<uint32_t, kSeatCount> values{};
    uint32_t best = 0;
    for (size_t h = 0; h < count_; ++h) {
      uint8_t cards[kMaxCards];
      std::copy_n(cards_[h].data(), hole_, cards);
      std::copy_n(board_.data(), kBoardCards, cards + hole_);
      values[h] = EvaluateBest(cards, hole_ + kBoardCards, hole_);
      best = std::max(best, values[h]);
    }
    int winners = 0;
    for (size_t h = 0; h < count_; ++h) winners += values[h] == best;
    const double share = 1.0 / winners;
    for (size_t h = 0; h < count_; ++h) {
      if (values[h] != best) continue;
      (winners == 1 ? wins : ties)[h] += 1;
      shares[h] += share;
      if (squares != nullptr) (*squares)[h] += share * share;
    }
  }

 private:
  int hole_;
  size_t count_;
  std::array<std::array<uint8_t, 4>, kSeatCount> cards_{};
  std::array<uint8_t, kBoardCards> board_{};
};

struct Slot {
  uint8_t* cards;
  int count;
};

// The cards still in the deck, and where the unknown cards go.
struct Unknowns {
  std::vector<uint8_t> deck;
  std::vector<Slot> slots;  // unknown hands, then the rest of the board
  int cards = 0;
};

Unknowns FindUnknowns(const EquitySpot& spot, Deal& deal) {
  Unknowns unknowns;
  bool used[kDeckSize + 1] = {};
  for (const std::vector<uint8_t>& hand : spot.hands) {
    for (uint8_t card : hand) used[card] = true;
  }
  for (uint8_t card : spot.board) used[card] = true;
  for (uint8_t card = 1; card <= kDeckSize; ++card) {
    if (!used[card]) unknowns.deck.push_back(card);
  }
  for (size_t h = 0; h < spot.hands.size(); ++h) {
    if (spot.hands[h].empty()) unknowns.slots.push_back({deal.Hole(h), spot.holeCards});
  }
  const int toCome = kBoardCards - static_cast<int>(spot.board.size());
  if (toCome > 0) unknowns.slots.push_back({deal.Board() + spot.board.size(), toCome});
  for (const Slot& slot : unknowns.slots) unknowns.cards += slot.count;
  return unknowns;
}

// Every way to fill the slots from the deck, each slot taking a combination
// of the cards the slots before it left.
template <typename Visit>
void Enumerate(const Unknowns& unknowns, size_t slot, std::vector<bool>& taken, Visit& visit) {
  if (slot == unknowns.slots.size()) {
    visit();
    return;
  }
  const Slot& s = unknowns.slots[slot];
  const int n = static_cast<int>(unknowns.deck.size());
  // Combinations of s.count deck positions, in increasing order.
  const auto fill = [&](auto&& self, int depth, int from) -> void {
    if (depth == s.count) {
      Enumerate(unknowns, slot + 1, taken, visit);
      return;
    }
    for (int i = from; i < n; ++i) {
      if (taken[i]) continue;
      taken[i] = true;
      s.cards[depth] = unknowns.deck[i];
      self(self, depth + 1, i + 1);
      taken[i] = false;
    }
  };
  fill(fill, 0, 0);
}

EquityResult Figures(const std::vector<double>& wins, const std::vector<double>& ties,
                     const std::vector<double>& shares, const std::vector<double>* squares,
                     uint64_t deals, bool exact) {
  EquityResult result;
  result.exact = exact;
  result.deals = deals;
  const double n = static_cast<double>(deals);
  for (size_t h = 0; h < wins.size(); ++h) {
    EquityFigures f;
    f.win = 100.0 * wins[h] / n;
    f.tie = 100.0 * ties[h] / n;
    f.equity = 100.0 * shares[h] / n;
    if (squares != nullptr && deals > 1) {
      const double mean = shares[h] / n;
      const double variance = std::max(0.0, (*squares)[h] / n - mean * mean) * n / (n - 1);
      f.stdError = 100.0 * std::sqrt(variance / n);
    }
    result.hands.push_back(f);
  }
  return result;
}

}  // namespace

const char* EquitySpotProblem(const EquitySpot& spot) {
  if (spot.holeCards != kTexasHoleCards && spot.holeCards != kOmahaHoleCards) {
    return "hole cards must be 2 or 4";
  }
  if (spot.hands.size() < 2 || spot.hands.size() > kSeatCount) return "2 to 10 hands";
  const size_t board = spot.board.size();
  if (board != 0 && board != 3 && board != 4 && board != 5) return "a board of 0, 3, 4 or 5 cards";
  bool used[kDeckSize + 1] = {};
  size_t needed = kBoardCards - board;
  const auto take = [&](uint8_t card) {
    if (card < 1 || card > kDeckSize || used[card]) return false;
    used[card] = true;
    return true;
  };
  for (const std::vector<uint8_t>& hand : spot.hands) {
    if (hand.empty()) {
      needed += static_cast<size_t>(spot.holeCards);
      continue;
    }
    if (hand.size() != static_cast<size_t>(spot.holeCards)) return "a hand of the wrong size";
    for (uint8_t card : hand) {
      if (!take(card)) return "a card twice";
    }
  }
  for (uint8_t card : spot.board) {
    if (!take(card)) return "a card twice";
  }
  size_t left = 0;
  for (uint8_t card = 1; card <= kDeckSize; ++card) left += !used[card];
  return needed > left ? "not enough cards left" : "";
}

uint64_t ExactDealCount(const EquitySpot& spot) {
  int left = kDeckSize - static_cast<int>(spot.board.size());
  for (const std::vector<uint8_t>& hand : spot.hands) left -= static_cast<int>(hand.size());
  uint64_t count = 1;
  for (const std::vector<uint8_t>& hand : spot.hands) {
    if (!hand.empty()) continue;
    count = SaturatingProduct(count, Choose(left, spot.holeCards));
    left -= spot.holeCards;
  }
  return SaturatingProduct(count, Choose(left, kBoardCards - static_cast<int>(spot.board.size())));
}

EquityResult ComputeEquity(const EquitySpot& spot, uint64_t trials, Rng& rng,
                           uint64_t maxExactWork) {
  const size_t hands = spot.hands.size();
  Deal deal(spot);
  const Unknowns unknowns = FindUnknowns(spot, deal);
  std::vector<double> wins(hands), ties(hands), shares(hands), squares(hands);

  // An Omaha hand is valued over sixty five-card hands: ten times the work.
  const uint64_t perDeal = hands * (spot.holeCards == kOmahaHoleCards ? 10 : 1);
  const uint64_t exactDeals = ExactDealCount(spot);
  if (SaturatingProduct(exactDeals, perDeal) <= maxExactWork) {
    std::vector<bool> taken(unknowns.deck.size());
    auto visit = [&] { deal.Score(wins, ties, shares, nullptr); };
    Enumerate(unknowns, 0, taken, visit);
    return Figures(wins, ties, shares, nullptr, exactDeals, true);
  }

  std::vector<uint8_t> deck = unknowns.deck;
  const uint32_t size = static_cast<uint32_t>(deck.size());
  for (uint64_t trial = 0; trial < trials; ++trial) {
    // The first cards of a partly shuffled deck fill the slots in turn.
    int next = 0;
    for (const Slot& slot : unknowns.slots) {
      for (int i = 0; i < slot.count; ++i, ++next) {
        const uint32_t pick = next + Random(rng, size - next);
        std::swap(deck[next], deck[pick]);
        slot.cards[i] = deck[next];
      }
    }
    deal.Score(wins, ties, shares, &squares);
  }
  return Figures(wins, ties, shares, &squares, trials, false);
}

}  // namespace qf
