// Random texts for the compared forms: blanks, line ends, letters of both cases in ASCII and
// Cyrillic, the letters whose folded form has another length or differs only in its first byte,
// and bytes that begin no character.
#pragma once

#include <random>
#include <string>
#include <vector>

inline const std::vector<std::string> kFormParts = {
    " ",
    "  ",
    "\t",
    "\r",
    "\n",
    "\r\n",
    "a",
    "A",
    "b",
    "Z",
    "x y",
    "k",
    "\xD0\x96",
    "\xD0\xB6", // Ж ж
    "\xD0\xAF",
    "\xD1\x8F",     // Я я
    "\xE2\x84\xAA", // the Kelvin sign, whose folded form is k
    "\xE1\xBA\x9E",
    "\xC3\x9F", // ẞ ß
    "\xC8\xBA",
    "\xE2\xB1\xA5", // Ⱥ ⱥ
    "\xEF\xBC\xA1",
    "\xEF\xBD\x81", // Ａ ａ
    "\xCE\x8C",
    "\xCF\x8C", // Ό ό: only the first byte differs
    "\xC0",
    "\xE0",
    "\xFF",
    "\x80"};

inline std::string RandomFormText(std::mt19937 &random, int parts) {
  std::uniform_int_distribution<std::size_t> pick(0, kFormParts.size() - 1);
  std::string text;
  for (int k = 0; k < parts; ++k)
    text += kFormParts[pick(random)];
  return text;
}
