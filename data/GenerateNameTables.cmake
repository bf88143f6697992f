# Turns the shared name tables (bank-select voice tables, the PSR-8000 voice
# list and the PSR-740 / PSR-8000 style lists in DATA_DIR/voices and
# DATA_DIR/styles) into one C++ source file (OUTPUT).
# Run as: cmake -DDATA_DIR=<data folder> -DOUTPUT=<file.cpp> -P GenerateNameTables.cmake
#
# A broken data file stops the build with the file and line named.

cmake_minimum_required(VERSION 3.24)

if(NOT DATA_DIR OR NOT OUTPUT)
  message(FATAL_ERROR "GenerateNameTables: DATA_DIR and OUTPUT are required")
endif()

include("${CMAKE_CURRENT_LIST_DIR}/TableTools.cmake")

# A bank-select table: the header line "program lsb msb name", then rows in
# the order program, lsb, msb. Equal keys may follow each other (the first is
# the one shown); any step backwards is an error, so a row pasted at the wrong
# place cannot hide behind an earlier one.
function(generate_bank_select_table file symbol out)
  set(path "${DATA_DIR}/voices/${file}")
  read_data_lines("${path}" entries)
  list(POP_FRONT entries header)
  split_numbered("${header}" number header_text)
  if(NOT header_text STREQUAL "program\tlsb\tmsb\tname")
    message(FATAL_ERROR "${path}:${number}: expected the header line 'program<TAB>lsb<TAB>msb<TAB>name'")
  endif()
  list(LENGTH entries found)
  if(found EQUAL 0)
    message(FATAL_ERROR "${path}: no voice rows")
  endif()
  read_completeness("${path}" ${found} complete total)
  set(previous -1)
  set(code "constexpr BankSelectVoiceRow ${symbol}Rows[] = {\n")
  foreach(entry IN LISTS entries)
    split_numbered("${entry}" number row)
    split_voice_row("${path}" ${number} "${row}" 4 fields)
    list(GET fields 0 program)
    list(GET fields 1 lsb)
    list(GET fields 2 msb)
    list(GET fields 3 name)
    check_length("${path}" ${number} name "${name}" 31)
    if(name STREQUAL "")
      message(FATAL_ERROR "${path}:${number}: empty name")
    endif()
    check_ascii("${path}" ${number} "${name}")
    math(EXPR key "(${program} << 16) | (${lsb} << 8) | ${msb}")
    if(key LESS previous)
      message(FATAL_ERROR "${path}:${number}: row out of order (rows go by program, then lsb, then msb)")
    endif()
    set(previous ${key})
    c_string("${name}" literal)
    string(APPEND code "    {${program}, ${lsb}, ${msb}, ${literal}},\n")
  endforeach()
  string(APPEND code "};\n")
  string(APPEND code "constexpr BankSelectTableData ${symbol}{${symbol}Rows, ${total}, ${complete}};\n\n")
  set(${out} "${code}" PARENT_SCOPE)
endfunction()

# A list whose completeness line must say complete.
function(generate_complete_list file symbol count out)
  set(path "${DATA_DIR}/${file}")
  generate_name_table("${path}" ${symbol} ${count} code)
  read_completeness("${path}" ${count} complete total)
  if(NOT complete)
    message(FATAL_ERROR "${path}: a numbered list must be complete")
  endif()
  set(${out} "${code}" PARENT_SCOPE)
endfunction()

generate_bank_select_table(psr740.tsv kPsr740 psr740)
generate_bank_select_table(psr9000.tsv kPsr9000 psr9000)
generate_bank_select_table(psr9000pro.tsv kPsr9000Pro psr9000pro)
generate_bank_select_table(psr2000.tsv kPsr2000 psr2000)
generate_bank_select_table(cvp2.tsv kCvp2 cvp2)
generate_complete_list(voices/psr8000.txt kPsr8000Voices 754 psr8000voices)
generate_complete_list(styles/psr740.txt kPsr740Styles 163 psr740styles)
generate_complete_list(styles/psr8000.txt kPsr8000Styles 256 psr8000styles)

file(WRITE "${OUTPUT}.tmp"
"// Generated at build time from the table files in data/voices and data/styles.
// Edit those files, not this one.
#include \"common/tables/NameTableData.h\"

namespace kalivo::detail {
namespace {

${psr740}${psr9000}${psr9000pro}${psr2000}${cvp2}${psr8000voices}${psr740styles}${psr8000styles}}  // namespace

const NameTableData& GeneratedNameTables() {
    static constexpr NameTableData data{kPsr740, kPsr9000, kPsr9000Pro, kPsr2000, kCvp2,
                                        kPsr8000Voices, kPsr740Styles, kPsr8000Styles};
    return data;
}

}  // namespace kalivo::detail
")
# Only a changed table touches the output, so nothing else rebuilds needlessly.
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
