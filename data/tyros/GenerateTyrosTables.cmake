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

include("${CMAKE_CURRENT_LIST_DIR}/../TableTools.cmake")

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
    split_voice_row("${path}" ${number} "${row}" 5 fields)
    list(GET fields 0 program)
    list(GET fields 1 lsb)
    list(GET fields 2 msb)
    list(GET fields 3 prefix)
    list(GET fields 4 name)
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
generate_name_table("${DATA_DIR}/styles.txt" kStyles 300 styles)
generate_name_table("${DATA_DIR}/multipads.txt" kMultipads 80 multipads)
generate_name_table("${DATA_DIR}/harmony.txt" kHarmonyTypes 17 harmony)

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
