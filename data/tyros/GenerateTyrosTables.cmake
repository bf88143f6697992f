# Turns the Tyros name tables (voices.tsv, styles.txt, multipads.txt,
# harmony.txt in DATA_DIR) into one C++ source file (OUTPUT).
# Run as: cmake -DDATA_DIR=<folder> -DOUTPUT=<file.cpp> -P GenerateTyrosTables.cmake
#
# A broken data file stops the build with the file and line named, so a table
# never ends up silently shorter or shifted.

cmake_minimum_required(VERSION 3.24)

if(NOT DATA_DIR OR NOT OUTPUT)
  message(FATAL_ERROR "GenerateTyrosTables: DATA_DIR and OUTPUT are required")
endif()

# CMake lists split on ';' and treat '\' and '[' ']' specially, so these four
# characters are swapped for control characters while the text is handled as a
# list and turned back (C-escaped) when it is written out.
string(ASCII 1 KALIVO_BACKSLASH)
string(ASCII 2 KALIVO_SEMICOLON)
string(ASCII 3 KALIVO_OPEN_BRACKET)
string(ASCII 4 KALIVO_CLOSE_BRACKET)

# Lines of a data file without comments ('#' first) and without the line ends
# after the last entry. Each element of <out> is "<line number>|<text>".
function(read_data_lines path out)
  if(NOT EXISTS "${path}")
    message(FATAL_ERROR "${path}: file not found")
  endif()
  file(READ "${path}" text)
  string(REPLACE "\r" "" text "${text}")
  string(REPLACE "\\" "${KALIVO_BACKSLASH}" text "${text}")
  string(REPLACE ";" "${KALIVO_SEMICOLON}" text "${text}")
  string(REPLACE "[" "${KALIVO_OPEN_BRACKET}" text "${text}")
  string(REPLACE "]" "${KALIVO_CLOSE_BRACKET}" text "${text}")
  string(REGEX REPLACE "\n+$" "" text "${text}")
  string(REPLACE "\n" ";" lines "${text}")
  set(result "")
  set(number 0)
  foreach(line IN LISTS lines)
    math(EXPR number "${number} + 1")
    string(SUBSTRING "${line}" 0 1 first)
    if(NOT first STREQUAL "#")
      list(APPEND result "${number}|${line}")
    endif()
  endforeach()
  set(${out} "${result}" PARENT_SCOPE)
endfunction()

# Splits "<line number>|<text>" into its two halves.
function(split_numbered entry number_out text_out)
  string(FIND "${entry}" "|" bar)
  string(SUBSTRING "${entry}" 0 ${bar} number)
  math(EXPR start "${bar} + 1")
  string(SUBSTRING "${entry}" ${start} -1 text)
  set(${number_out} "${number}" PARENT_SCOPE)
  set(${text_out} "${text}" PARENT_SCOPE)
endfunction()

# The text as the body of a C string literal.
function(c_string text out)
  string(REPLACE "\"" "\\\"" text "${text}")
  string(REPLACE "${KALIVO_BACKSLASH}" "\\\\" text "${text}")
  string(REPLACE "${KALIVO_SEMICOLON}" ";" text "${text}")
  string(REPLACE "${KALIVO_OPEN_BRACKET}" "[" text "${text}")
  string(REPLACE "${KALIVO_CLOSE_BRACKET}" "]" text "${text}")
  string(REPLACE "\t" "\\t" text "${text}")
  set(${out} "\"${text}\"" PARENT_SCOPE)
endfunction()

# A list file: one non-empty name a line, exactly <count> of them.
function(generate_name_table file symbol count out)
  set(path "${DATA_DIR}/${file}")
  read_data_lines("${path}" entries)
  list(LENGTH entries found)
  if(NOT found EQUAL count)
    message(FATAL_ERROR "${path}: ${found} names, expected ${count}")
  endif()
  set(code "constexpr const char* ${symbol}[] = {\n")
  foreach(entry IN LISTS entries)
    split_numbered("${entry}" number name)
    if(name STREQUAL "")
      message(FATAL_ERROR "${path}:${number}: empty name")
    endif()
    c_string("${name}" literal)
    string(APPEND code "    ${literal},\n")
  endforeach()
  string(APPEND code "};\n\n")
  set(${out} "${code}" PARENT_SCOPE)
endfunction()

function(check_byte path number field value)
  if(NOT value MATCHES "^[0-9]+$" OR value GREATER 127)
    message(FATAL_ERROR "${path}:${number}: ${field} '${value}' is not a number from 0 to 127")
  endif()
endfunction()

function(check_length path number field value limit)
  string(LENGTH "${value}" length)
  if(length GREATER limit)
    message(FATAL_ERROR "${path}:${number}: ${field} longer than ${limit} characters")
  endif()
endfunction()

# The voice table: a completeness line ("table", "complete" or "incomplete",
# the instrument's row count), a header line, then program, lsb, msb, prefix, name.
function(generate_voice_table out)
  set(path "${DATA_DIR}/voices.tsv")
  read_data_lines("${path}" entries)
  list(POP_FRONT entries state_line)
  split_numbered("${state_line}" number state_text)
  if(NOT state_text MATCHES "^table\t(complete|incomplete)\t([0-9]+)$")
    message(FATAL_ERROR "${path}:${number}: expected 'table<TAB>complete|incomplete<TAB><row count of the instrument>'")
  endif()
  set(state "${CMAKE_MATCH_1}")
  set(expected_rows "${CMAKE_MATCH_2}")
  list(POP_FRONT entries header)
  split_numbered("${header}" number header_text)
  if(NOT header_text STREQUAL "program\tlsb\tmsb\tprefix\tname")
    message(FATAL_ERROR "${path}:${number}: expected the header line 'program<TAB>lsb<TAB>msb<TAB>prefix<TAB>name'")
  endif()
  if(NOT entries)
    message(FATAL_ERROR "${path}: no voice rows")
  endif()
  set(code "constexpr TyrosVoiceRow kVoices[] = {\n")
  foreach(entry IN LISTS entries)
    split_numbered("${entry}" number row)
    string(REPLACE "\t" ";" fields "${row}")
    list(LENGTH fields field_count)
    if(NOT field_count EQUAL 5)
      message(FATAL_ERROR "${path}:${number}: ${field_count} tab-separated fields, expected 5")
    endif()
    list(GET fields 0 program)
    list(GET fields 1 lsb)
    list(GET fields 2 msb)
    list(GET fields 3 prefix)
    list(GET fields 4 name)
    check_byte("${path}" ${number} program "${program}")
    check_byte("${path}" ${number} lsb "${lsb}")
    check_byte("${path}" ${number} msb "${msb}")
    check_length("${path}" ${number} prefix "${prefix}" 15)
    check_length("${path}" ${number} name "${name}" 31)
    if(name STREQUAL "")
      message(FATAL_ERROR "${path}:${number}: empty name")
    endif()
    c_string("${prefix}" prefix_literal)
    c_string("${name}" name_literal)
    string(APPEND code "    {${program}, ${lsb}, ${msb}, ${prefix_literal}, ${name_literal}},\n")
  endforeach()
  string(APPEND code "};\n\n")
  list(LENGTH entries rows)
  if(state STREQUAL "complete")
    if(NOT rows EQUAL expected_rows)
      message(FATAL_ERROR "${path}: marked complete with ${rows} rows, but the instrument has ${expected_rows}")
    endif()
    string(APPEND code "constexpr bool kVoiceTableComplete = true;\n")
  else()
    string(APPEND code "constexpr bool kVoiceTableComplete = false;\n")
  endif()
  string(APPEND code "constexpr std::size_t kVoiceRowsOfInstrument = ${expected_rows};\n\n")
  set(${out} "${code}" PARENT_SCOPE)
endfunction()

generate_voice_table(voices)
generate_name_table(styles.txt kStyles 300 styles)
generate_name_table(multipads.txt kMultipads 80 multipads)
generate_name_table(harmony.txt kHarmonyTypes 17 harmony)

file(WRITE "${OUTPUT}.tmp"
"// Generated at build time from the Tyros table files in data/tyros.
// Edit those files, not this one.
#include \"handlers/tyros/TyrosTables.h\"

namespace kalivo::detail {
namespace {

${voices}${styles}${multipads}${harmony}}  // namespace

const TyrosTableData& GeneratedTyrosTables() {
    static constexpr TyrosTableData data{kVoices, kStyles, kMultipads, kHarmonyTypes,
                                         kVoiceTableComplete, kVoiceRowsOfInstrument};
    return data;
}

}  // namespace kalivo::detail
")
# Only a changed table touches the output, so nothing else rebuilds needlessly.
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
