# Global input hooks and the copy-data notice.
#
# k7inputhook holds the portable core and this platform's sources, so the
# hook tests link it without the rest of the application. The Widget-side
# callbacks need the window and view headers and go into k7app itself:
#   K7_INPUTHOOK_SOURCES  files k7app compiles
#   K7_INPUTHOOK_LIBS     what k7app links for them

set(K7_INPUTHOOK_SOURCES ${CMAKE_CURRENT_LIST_DIR}/inputcallbacks.cpp ${CMAKE_CURRENT_LIST_DIR}/inputcallbacks.h)
set(K7_INPUTHOOK_LIBS k7inputhook)

set(_k7_hook_dir ${CMAKE_CURRENT_LIST_DIR})
if(WIN32)
    set(_k7_hook_platform inputhook_win.cpp copydatafilter_win.cpp)
    set(_k7_hook_system_libs user32)
else()
    find_package(PkgConfig REQUIRED)
    pkg_check_modules(K7_XINPUT REQUIRED IMPORTED_TARGET GLOBAL x11 xi)
    set(_k7_hook_platform inputhook_linux.h inputhook_linux.cpp inputhook_x11.cpp copydata_linux.cpp)
    set(_k7_hook_system_libs PkgConfig::K7_XINPUT)
endif()
list(TRANSFORM _k7_hook_platform PREPEND ${_k7_hook_dir}/)

# The single-instance channel is here too: the copy-data socket is named
# after its identity.
add_library(k7inputhook STATIC ${_k7_hook_dir}/inputhook.cpp ${_k7_hook_dir}/inputhook.h
    ${_k7_hook_dir}/localpeer.cpp ${_k7_hook_dir}/localpeer.h ${_k7_hook_platform})
target_include_directories(k7inputhook PUBLIC ${_k7_hook_dir})
target_link_libraries(k7inputhook PUBLIC Qt6::Core Qt6::Gui Qt6::Network ${_k7_hook_system_libs})
