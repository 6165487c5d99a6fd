#include "engine/cards.h"

#include <cctype>

namespace qf {

namespace {

constexpr std::string_view kRankLetters = "A23456789TJQK";
constexpr std::string_view kSuitLetters = "scdh";

}  // namespace

int ParseCard(std::string_view text) {
  if (text.size() != 2) return 0;
  char rankLetter = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
  char suitLetter = static_cast<char>(std::tolower(static_cast<unsigned char>(text[1])));
  size_t rank = kRankLetters.find(rankLetter);
  size_t suit = kSuitLetters.find(suitLetter);
  if (rank == std::string_view::npos || suit == std::string_view::npos) return 0;
  return MakeCard(static_cast<int>(rank), static_cast<int>(suit));
}

std::string CardText(int code) {
  if (code < 1 || code > 52) return "X";
  return {kRankLetters[CardRank(code)], kSuitLetters[CardSuit(code)]};
}

}  // namespace qf
