# Builds an English catalogue of Qt's own texts in which every text is its
# own translation, from the source texts of a catalogue in another language.
#   cmake -DLCONVERT=<lconvert> -DLRELEASE=<lrelease> -DINPUT=<qtbase_ru.qm>
#         -DOUTPUT=<qtbase_en.qm> -P identity_translation.cmake
# Qt ships an empty English catalogue; with it, a panel switched to English
# would still find Qt's texts in the Russian catalogue of another panel.
foreach(_var LCONVERT LRELEASE INPUT OUTPUT)
    if(NOT ${_var})
        message(FATAL_ERROR "identity_translation.cmake needs -D${_var}=...")
    endif()
endforeach()
set(_ts "${OUTPUT}.ts")
execute_process(COMMAND "${LCONVERT}" -drop-translations -target-language en_US
        -i "${INPUT}" -o "${_ts}" RESULT_VARIABLE _rc)
if(NOT _rc EQUAL 0)
    message(FATAL_ERROR "lconvert could not read ${INPUT}")
endif()
file(READ "${_ts}" _content)
set(_src "<source>([^<]*)</source>([ \n]*)")
string(REGEX REPLACE "${_src}<translation type=\"unfinished\"></translation>"
    "<source>\\1</source>\\2<translation>\\1</translation>" _content "${_content}")
# English has two plural forms; both read as the source text does.
string(REGEX REPLACE
    "${_src}<translation type=\"unfinished\">([ \n]*)<numerusform></numerusform>([ \n]*)<numerusform></numerusform>([ \n]*)</translation>"
    "<source>\\1</source>\\2<translation>\\3<numerusform>\\1</numerusform>\\4<numerusform>\\1</numerusform>\\5</translation>"
    _content "${_content}")
file(WRITE "${_ts}" "${_content}")
execute_process(COMMAND "${LRELEASE}" -silent "${_ts}" -qm "${OUTPUT}" RESULT_VARIABLE _rc)
if(NOT _rc EQUAL 0)
    message(FATAL_ERROR "lrelease could not compile ${_ts}")
endif()
file(REMOVE "${_ts}")
