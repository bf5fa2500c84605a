# The hardening a distribution expects of a Linux program: a position-
# independent executable, checked buffer functions, stack protection and
# relocations made read-only at start-up. Not with the sanitizers or the
# fuzzer, which bring their own instrumentation.
if(NOT CMAKE_SYSTEM_NAME STREQUAL "Linux" OR QUILLASTOR_SANITIZE OR QUILLASTOR_FUZZ)
    return()
endif()

include(CheckPIESupported)
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

add_compile_options(-fstack-protector-strong)
# The checked functions need the optimiser; without it they only warn.
add_compile_definitions($<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:_FORTIFY_SOURCE=2>)
add_link_options(-Wl,-z,relro,-z,now)
