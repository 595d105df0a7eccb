#include "codegen/op_tables.h"

#include <array>
#include <utility>

namespace casl2wb {

namespace {

using Entry = std::pair<TextView, const char*>;

constexpr std::array<Entry, 31> opTable = {{
    {U"LD", "10"},   {U"ST", "11"},   {U"LAD", "12"},  {U"ADDA", "20"}, {U"SUBA", "21"},
    {U"ADDL", "22"}, {U"SUBL", "23"}, {U"AND", "30"},  {U"OR", "31"},   {U"XOR", "32"},
    {U"CPA", "40"},  {U"CPL", "41"},  {U"SLA", "50"},  {U"SRA", "51"},  {U"SLL", "52"},
    {U"SRL", "53"},  {U"JMI", "61"},  {U"JNZ", "62"},  {U"JZE", "63"},  {U"JUMP", "64"},
    {U"JPL", "65"},  {U"JOV", "66"},  {U"PUSH", "70"}, {U"CALL", "80"}, {U"SVC", "F0"},
    {U"IN", "90"},   {U"OUT", "91"},  {U"DMP", "93"},  {U"MDMP", "94"}, {U"RPUSH", "95"},
    {U"RPOP", "96"},
}};

constexpr std::array<Entry, 13> rrOpTable = {{
    {U"LD", "14"},
    {U"ADDA", "24"},
    {U"SUBA", "25"},
    {U"ADDL", "26"},
    {U"SUBL", "27"},
    {U"AND", "34"},
    {U"OR", "35"},
    {U"XOR", "36"},
    {U"CPA", "44"},
    {U"CPL", "45"},
    {U"NOP", "00"},
    {U"POP", "71"},
    {U"RET", "81"},
}};

template <std::size_t N>
std::optional<std::string> search(const std::array<Entry, N>& table, std::size_t entries,
                                  TextView mnemonic) {
  for (std::size_t i = 0; i < entries; ++i) {
    if (table[i].first == mnemonic) return table[i].second;
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> twoWordOpCode(TextView mnemonic) {
  return search(opTable, 29, mnemonic);
}

std::optional<std::string> registerFormOpCode(TextView mnemonic) {
  return search(rrOpTable, rrOpTable.size(), mnemonic);
}

std::string mnemonicOfCode(std::string_view code) {
  // Every code is two upper-case hex digits, so the mnemonics are kept in a
  // table indexed by the code's value, filled in search order once.
  static const std::array<std::string, 256> byCode = [] {
    std::array<std::string, 256> table;
    const auto fill = [&](const auto& entries) {
      for (const Entry& entry : entries) {
        table[std::stoi(entry.second, nullptr, 16)] = toUtf8(entry.first);
      }
    };
    fill(rrOpTable);
    fill(opTable);
    return table;
  }();
  const auto isHexDigit = [](char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); };
  if (code.size() != 2 || !isHexDigit(code[0]) || !isHexDigit(code[1])) return "";
  return byCode[std::stoi(std::string(code), nullptr, 16)];
}

}  // namespace casl2wb
