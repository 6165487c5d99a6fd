// evaluate_table_maker OUTPUT.cpp: builds the hand evaluator's tables and
// writes them as the C++ definition of kEvaluatorTables. The build runs it
// and compiles its output into the engine.
#include <cstdio>
#include <string>

#include "engine/evaluate_table_builder.h"

namespace {

// Writes `{a, b, ...}`, twenty numbers a line.
template <typename Array>
void WriteArray(std::FILE* out, const Array& values) {
  std::fputs("{{", out);
  for (size_t i = 0; i < values.size(); ++i) {
    if (i > 0) std::fputc(',', out);
    if (i % 20 == 0) std::fputc('\n', out);
    std::fprintf(out, "%llu", static_cast<unsigned long long>(values[i]));
  }
  std::fputs("}},\n", out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: evaluate_table_maker OUTPUT.cpp\n");
    return 2;
  }
  std::string error;
  std::unique_ptr<qf::EvaluatorTables> tables = qf::BuildEvaluatorTables(error);
  if (!tables) {
    std::fprintf(stderr, "evaluate_table_maker: %s\n", error.c_str());
    return 1;
  }
  std::FILE* out = std::fopen(argv[1], "w");
  if (out == nullptr) {
    std::perror(argv[1]);
    return 1;
  }
  std::fputs("// Written by evaluate_table_maker from the value rules; not to be edited.\n", out);
  std::fputs("#include \"engine/evaluate_tables.h\"\n\nnamespace qf {\n\n", out);
  std::fputs("const EvaluatorTables kEvaluatorTables = {\n", out);
  WriteArray(out, tables->cardKeys);
  WriteArray(out, tables->firstCardKeys);
  WriteArray(out, tables->sevenCardRows);
  WriteArray(out, tables->fiveCardRows);
  WriteArray(out, tables->sevenCardValues);
  WriteArray(out, tables->fiveCardValues);
  std::fputs("};\n\n}  // namespace qf\n", out);
  return std::fclose(out) == 0 ? 0 : 1;
}
