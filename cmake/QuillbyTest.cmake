# quillby_add_test(<module> <unit> [GUI] [LIBS <targets>...])
# Builds tests/<module>/tst_<unit>.cpp into one executable, registered with
# CTest under the module's label, run on the offscreen platform. Tests that
# link Quillby::Ui also get the widget test support (TestAppState).
function(quillby_add_test module unit)
    cmake_parse_arguments(ARG "GUI" "" "LIBS" ${ARGN})
    if("Quillby::Ui" IN_LIST ARG_LIBS)
        list(APPEND ARG_LIBS quillby_uitestsupport)
    endif()
    set(target tst_${module}_${unit})
    add_executable(${target} ${CMAKE_CURRENT_SOURCE_DIR}/tst_${unit}.cpp)
    target_link_libraries(${target} PRIVATE Qt6::Test quillby_testsupport ${ARG_LIBS})
    add_test(NAME ${module}/${unit} COMMAND ${target})
    set(env "QT_QPA_PLATFORM=offscreen;QUILLBY_TEST=1")
    set_tests_properties(${module}/${unit} PROPERTIES LABELS ${module} ENVIRONMENT "${env}"
                         TIMEOUT 300)
endfunction()
