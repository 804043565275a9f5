# cmake -DINPUT=apConfig.bin -DOUTPUT=70-k7config.rules -P udevrule.cmake
#
# Writes the udev rule that lets the user at the seat open the hidraw nodes
# of every device the device list names ([common] deviceCount, then vid and
# pid of sections [0], [1], ...), so that the rule and the list cannot drift.

file(STRINGS "${INPUT}" lines)
set(section "")
foreach(line IN LISTS lines)
    string(STRIP "${line}" line)
    if(line MATCHES "^\\[(.*)\\]$")
        set(section "${CMAKE_MATCH_1}")
    elseif(line MATCHES "^([A-Za-z0-9]+)[ \t]*=[ \t]*(.*)$")
        set("ini_${section}_${CMAKE_MATCH_1}" "${CMAKE_MATCH_2}")
    endif()
endforeach()

# Hexadecimal as the program reads it: the low 16 bits, 0 when not a number.
function(usb_id text out)
    string(TOLOWER "${text}" text)
    if(NOT text MATCHES "^[0-9a-f]+$")
        set(text "0")
    endif()
    string(LENGTH "${text}" length)
    if(length GREATER 4)
        math(EXPR start "${length} - 4")
        string(SUBSTRING "${text}" ${start} 4 text)
    endif()
    math(EXPR value "0x${text}" OUTPUT_FORMAT HEXADECIMAL)
    string(SUBSTRING "${value}" 2 -1 digits)
    string(LENGTH "${digits}" length)
    while(length LESS 4)
        set(digits "0${digits}")
        string(LENGTH "${digits}" length)
    endwhile()
    set(${out} "${digits}" PARENT_SCOPE)
endfunction()

set(rule "# Generated from the device list (modules/setting/apConfig.bin) by the build.
# Lets the user at the seat open the listed mice's hidraw nodes, so k7config
# needs no root. Sorted before 73-seat-late.rules, which applies the tag.
")
set(count "${ini_common_deviceCount}")
if(NOT count MATCHES "^[0-9]+$")
    set(count 0)
endif()
set(index 0)
while(index LESS count)
    usb_id("${ini_${index}_vid}" vid)
    usb_id("${ini_${index}_pid}" pid)
    if(vid STREQUAL "0000" OR pid STREQUAL "0000")
        string(APPEND rule "# entry ${index}: no vendor or product id, no rule\n")
    else()
        string(APPEND rule "SUBSYSTEM==\"hidraw\", ATTRS{idVendor}==\"${vid}\", ATTRS{idProduct}==\"${pid}\", TAG+=\"uaccess\"\n")
    endif()
    math(EXPR index "${index} + 1")
endwhile()
file(WRITE "${OUTPUT}.tmp" "${rule}")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
