// The encodings the files may be in, how the automatic choice picks one, and what UTF-8 text
// looks like byte by byte.
#pragma once

#include "CodePages.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <stop_token>
#include <string_view>

enum class TVEncoding : std::uint8_t { Auto, Utf8, Windows1251, Dos866, Koi8r };

// The names the settings store and the command line use: "auto", "utf-8", "cp1251", "cp866",
// "koi8-r"; and back, nothing for an unknown name.
std::string_view EncodingName(TVEncoding encoding);
std::optional<TVEncoding> EncodingNamed(std::string_view name);

bool IsUtf8Continuation(unsigned char byte);
// The length of the sequence a lead byte begins (2 to 4); 1 for ASCII and for bytes that begin
// none (a continuation byte or an invalid lead).
std::size_t Utf8SequenceLength(unsigned char lead);
// The continuation bytes (at most three) a text begins with: the end of a character begun
// before it.
std::size_t Utf8LeadingPart(std::string_view text);
// The bytes at the end of a text, from `from` on, of a character it cuts short.
std::size_t Utf8TrailingPart(std::string_view text, std::size_t from = 0);
// The length of the well-formed character at the start of text, or 0 when there is none.
std::size_t WellFormedUtf8Length(std::string_view text);
// The UTF-8 bytes of a code point, into out; how many.
std::size_t EncodeUtf8(char32_t c, std::array<char, 4> &out);
bool StartsWithUtf8Bom(std::string_view text);
// Whole text is well-formed UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view text);

// The single-byte code page of an encoding; Windows-1251 for the others.
TCodePage CodePageOf(TVEncoding encoding);

// Automatic: a UTF-8 byte order mark in either text, or both texts valid UTF-8 (plain ASCII is),
// gives UTF-8, so that tabs expand and characters stay whole; otherwise Windows-1251. A stop
// request is looked at every megabyte; the answer after one means nothing.
TVEncoding DetectEncoding(std::string_view first, std::string_view second,
                          const std::stop_token &stop = {});
// What text is read as: DOS (866) in the OEM mode, else the choice, the automatic one by what
// the files were found to be.
TVEncoding EncodingInForce(TVEncoding chosen, bool oem, bool detectedUtf8);
