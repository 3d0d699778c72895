# Checks the panel's translation sources with Qt's own tools.
#   cmake -DLRELEASE=<lrelease> -DLCONVERT=<lconvert> -DLUPDATE=<lupdate>
#         -DTS_RU=<dwav_ru.ts> -DTS_EN=<dwav_en.ts> -DWORK=<scratch folder>
#         [-DSOURCES=<folder,folder,...>] -P check_translations.cmake
# Without SOURCES: every text of dwav_ru.ts has a finished Russian
# translation, and dwav_en.ts carries exactly the same texts, all finished,
# so that English never falls through to a Russian translator below it.
# With SOURCES: lupdate over those folders finds no text that dwav_ru.ts
# lacks and none that it holds in vain.
foreach(_var LRELEASE LCONVERT TS_RU TS_EN WORK)
    if(NOT ${_var})
        message(FATAL_ERROR "check_translations.cmake needs -D${_var}=...")
    endif()
endforeach()
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")

# Compiles a .ts file and returns the numbers lrelease reports.
function(release_counts ts prefix)
    get_filename_component(_name "${ts}" NAME_WE)
    execute_process(COMMAND "${LRELEASE}" "${ts}" -qm "${WORK}/${_name}.qm"
        OUTPUT_VARIABLE _out ERROR_VARIABLE _err RESULT_VARIABLE _rc)
    if(NOT _rc EQUAL 0)
        message(FATAL_ERROR "lrelease failed on ${ts}:\n${_out}${_err}")
    endif()
    set(_generated 0)
    set(_finished 0)
    set(_unfinished 0)
    set(_ignored 0)
    if(_out MATCHES "Generated ([0-9]+) translation\\(s\\) \\(([0-9]+) finished and ([0-9]+) unfinished\\)")
        set(_generated ${CMAKE_MATCH_1})
        set(_finished ${CMAKE_MATCH_2})
        set(_unfinished ${CMAKE_MATCH_3})
    endif()
    if(_out MATCHES "Ignored ([0-9]+) untranslated source text")
        set(_ignored ${CMAKE_MATCH_1})
    endif()
    set(${prefix}_generated ${_generated} PARENT_SCOPE)
    set(${prefix}_unfinished ${_unfinished} PARENT_SCOPE)
    set(${prefix}_ignored ${_ignored} PARENT_SCOPE)
    math(EXPR _total "${_generated} + ${_ignored}")
    set(${prefix}_total ${_total} PARENT_SCOPE)
    set(${prefix}_report "${_out}" PARENT_SCOPE)
endfunction()

# Lists the texts that a .ts file leaves without a finished translation.
function(unfinished_texts ts out)
    execute_process(COMMAND "${LCONVERT}" -no-finished -no-obsolete -locations none -i "${ts}"
        OUTPUT_VARIABLE _ts RESULT_VARIABLE _rc)
    string(REGEX MATCHALL "<source>[^<]*</source>" _sources "${_ts}")
    string(REPLACE ";" "\n  " _list "${_sources}")
    set(${out} "  ${_list}" PARENT_SCOPE)
endfunction()

if(NOT SOURCES)
    release_counts("${TS_RU}" ru)
    if(ru_unfinished GREATER 0 OR ru_ignored GREATER 0)
        unfinished_texts("${TS_RU}" _missing)
        message(FATAL_ERROR "dwav_ru.ts: ${ru_unfinished} unfinished and ${ru_ignored} untranslated "
            "texts:\n${_missing}\n${ru_report}")
    endif()

    release_counts("${TS_EN}" en)
    if(en_unfinished GREATER 0 OR en_ignored GREATER 0)
        unfinished_texts("${TS_EN}" _missing)
        message(FATAL_ERROR "dwav_en.ts: ${en_unfinished} unfinished and ${en_ignored} untranslated "
            "texts:\n${_missing}\n${en_report}")
    endif()

    # The Russian texts without their translations, overlaid by the English
    # file: whatever stays unfinished is a Russian text that English lacks.
    execute_process(COMMAND "${LCONVERT}" -drop-translations -target-language en_US
            -i "${TS_RU}" -o "${WORK}/sources.ts" RESULT_VARIABLE _rc)
    if(NOT _rc EQUAL 0)
        message(FATAL_ERROR "lconvert could not read ${TS_RU}")
    endif()
    execute_process(COMMAND "${LCONVERT}" -i "${WORK}/sources.ts" -i "${TS_EN}"
            -o "${WORK}/overlay.ts" RESULT_VARIABLE _rc)
    if(NOT _rc EQUAL 0)
        message(FATAL_ERROR "lconvert could not merge ${TS_EN}")
    endif()
    release_counts("${WORK}/overlay.ts" overlay)
    if(overlay_unfinished GREATER 0 OR overlay_ignored GREATER 0)
        unfinished_texts("${WORK}/overlay.ts" _missing)
        message(FATAL_ERROR "dwav_en.ts lacks texts of dwav_ru.ts:\n${_missing}")
    endif()
    if(NOT overlay_total EQUAL ru_total OR NOT en_total EQUAL ru_total)
        message(FATAL_ERROR "dwav_en.ts holds ${en_total} texts, dwav_ru.ts ${ru_total}")
    endif()
    message(STATUS "${ru_total} texts, each translated into Russian and carried in English")
else()
    if(NOT LUPDATE)
        message(FATAL_ERROR "check_translations.cmake needs -DLUPDATE=... with SOURCES")
    endif()
    string(REPLACE "," ";" _folders "${SOURCES}")
    configure_file("${TS_RU}" "${WORK}/dwav_ru.ts" COPYONLY)
    execute_process(COMMAND "${LUPDATE}" -no-obsolete -locations none ${_folders} -ts "${WORK}/dwav_ru.ts"
        OUTPUT_VARIABLE _out ERROR_VARIABLE _err RESULT_VARIABLE _rc)
    if(NOT _rc EQUAL 0)
        message(FATAL_ERROR "lupdate failed:\n${_out}${_err}")
    endif()
    if(NOT _out MATCHES "Found ([0-9]+) source text\\(s\\) \\(([0-9]+) new")
        message(FATAL_ERROR "lupdate said:\n${_out}")
    endif()
    set(_found ${CMAKE_MATCH_1})
    set(_new ${CMAKE_MATCH_2})
    release_counts("${TS_RU}" ru)
    if(_new GREATER 0 OR NOT _found EQUAL ru_total)
        unfinished_texts("${WORK}/dwav_ru.ts" _missing)
        message(FATAL_ERROR "The sources hold ${_found} translatable texts, ${_new} of them not in "
            "dwav_ru.ts, which holds ${ru_total}; run scripts/update-translations and translate:\n${_missing}")
    endif()
    message(STATUS "dwav_ru.ts holds the ${_found} texts of the sources")
endif()
