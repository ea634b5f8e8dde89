# SPDX-License-Identifier: MIT
# The Windows build's additions (included by the top-level CMakeLists when
# the target is Windows): resources for the programs and the runtime linked
# in statically.

set(KESTRIN_PUBLISHER "Vantry")

# kestrin_windows_resources(<target> <description>): the icon, the
# application manifest and a version resource made from project()'s
# version, compiled into the program.
function(kestrin_windows_resources target description)
    set(KESTRIN_RC_NAME ${target})
    set(KESTRIN_RC_DESCRIPTION "${description}")
    set(KESTRIN_RC_PUBLISHER "${KESTRIN_PUBLISHER}")
    set(KESTRIN_RC_VERSION_DOTS ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.0)
    set(KESTRIN_RC_VERSION_COMMAS ${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},${PROJECT_VERSION_PATCH},0)
    set(KESTRIN_RC_ICON ${PROJECT_SOURCE_DIR}/assets/kestrin-editor.ico)
    set(dir ${CMAKE_CURRENT_BINARY_DIR}/${target}-resources)
    set(KESTRIN_RC_MANIFEST ${dir}/${target}.manifest)
    configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/kestrin.manifest.in ${KESTRIN_RC_MANIFEST} @ONLY)
    configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/kestrin.rc.in ${dir}/${target}.rc @ONLY)
    target_sources(${target} PRIVATE ${dir}/${target}.rc)
    set_property(SOURCE ${dir}/${target}.rc APPEND PROPERTY OBJECT_DEPENDS
        ${KESTRIN_RC_ICON} ${KESTRIN_RC_MANIFEST})
endfunction()

# The programs, the help file and the licences side by side in one folder.
set(CMAKE_INSTALL_BINDIR "." CACHE PATH "Programs (Windows: the installation folder itself)" FORCE)
