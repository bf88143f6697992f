#pragma once
// How a text protocol is written: Windows-1252 as the instruments' own PC
// tools did, or UTF-8 for today's editors.
namespace kalivo {

enum class TextEncoding { Windows1252, Utf8 };

}  // namespace kalivo
