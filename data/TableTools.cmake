# Helpers shared by the table generators: reading data files line by line with
# their line numbers, checking fields and writing C string literals.

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

# The text as a C string literal. "\xHH" in a data file stands for one byte
# outside ASCII (instrument names are Windows-1252); the literal is split after
# it so a following letter is never read as a further hex digit.
function(c_string text out)
  string(REPLACE "\"" "\\\"" text "${text}")
  string(REGEX REPLACE "${KALIVO_BACKSLASH}x([0-9A-Fa-f][0-9A-Fa-f])" "\\\\x\\1\"\"" text "${text}")
  string(REPLACE "${KALIVO_BACKSLASH}" "\\\\" text "${text}")
  string(REPLACE "${KALIVO_SEMICOLON}" ";" text "${text}")
  string(REPLACE "${KALIVO_OPEN_BRACKET}" "[" text "${text}")
  string(REPLACE "${KALIVO_CLOSE_BRACKET}" "]" text "${text}")
  string(REPLACE "\t" "\\t" text "${text}")
  set(${out} "\"${text}\"" PARENT_SCOPE)
endfunction()

# A list file: one non-empty name a line, exactly <count> of them.
function(generate_name_table path symbol count out)
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
    check_ascii("${path}" ${number} "${name}")
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

# One row of a voice table: <count> tab-separated fields whose first three are
# program, lsb and msb (0..127). Sets <out> to the list of fields.
function(split_voice_row path number row count out)
  string(REPLACE "\t" ";" fields "${row}")
  list(LENGTH fields field_count)
  if(NOT field_count EQUAL count)
    message(FATAL_ERROR "${path}:${number}: ${field_count} tab-separated fields, expected ${count}")
  endif()
  list(GET fields 0 program)
  list(GET fields 1 lsb)
  list(GET fields 2 msb)
  check_byte("${path}" ${number} program "${program}")
  check_byte("${path}" ${number} lsb "${lsb}")
  check_byte("${path}" ${number} msb "${msb}")
  set(${out} "${fields}" PARENT_SCOPE)
endfunction()

function(check_length path number field value limit)
  string(LENGTH "${value}" length)
  if(length GREATER limit)
    message(FATAL_ERROR "${path}:${number}: ${field} longer than ${limit} characters")
  endif()
endfunction()


# Data files are plain ASCII so they read the same in every editor; a byte
# outside ASCII must be written as \xHH.
function(check_ascii path number text)
  if(text MATCHES "[^\t -~${KALIVO_BACKSLASH}${KALIVO_SEMICOLON}${KALIVO_OPEN_BRACKET}${KALIVO_CLOSE_BRACKET}]")
    message(FATAL_ERROR "${path}:${number}: a character outside ASCII; write such a byte as \\xHH")
  endif()
endfunction()

# The completeness line "# complete: yes|no (<present> of <instrument> rows)".
# <present> must equal the rows actually found, so the line cannot go stale.
# Sets <complete_out> to true/false and <total_out> to the instrument's count.
function(read_completeness path found complete_out total_out)
  file(STRINGS "${path}" lines REGEX "^# complete:")
  list(LENGTH lines count)
  if(NOT count EQUAL 1)
    message(FATAL_ERROR "${path}: needs exactly one line '# complete: yes|no (<rows> of <instrument rows> rows)'")
  endif()
  if(NOT lines MATCHES "^# complete: (yes|no) \\(([0-9]+) of ([0-9]+) rows\\)$")
    message(FATAL_ERROR "${path}: malformed line '${lines}', expected '# complete: yes|no (<rows> of <instrument rows> rows)'")
  endif()
  set(flag "${CMAKE_MATCH_1}")
  set(present "${CMAKE_MATCH_2}")
  set(total "${CMAKE_MATCH_3}")
  if(NOT present EQUAL found)
    message(FATAL_ERROR "${path}: the complete line says ${present} rows, the file holds ${found}")
  endif()
  if(found GREATER total)
    message(FATAL_ERROR "${path}: ${found} rows, more than the instrument's ${total}")
  endif()
  if(flag STREQUAL "yes" AND NOT found EQUAL total)
    message(FATAL_ERROR "${path}: marked complete with ${found} of ${total} rows")
  endif()
  if(flag STREQUAL "yes")
    set(${complete_out} true PARENT_SCOPE)
  else()
    set(${complete_out} false PARENT_SCOPE)
  endif()
  set(${total_out} ${total} PARENT_SCOPE)
endfunction()
