# What `cmake --install build --prefix P` lays down:
#
#   P/lib/quorvel/           the client's program directory: krclient (and krRestoration
#                            when it is built), image/ and the local XML files, laid out
#                            as the client expects them beside itself
#   P/lib/quorvel-server/    quorvel-server with assets/, the shipped files it lists and
#                            serves (its default when started without --assets)
#   P/bin/quorvel            symbolic links to the programs; the programs find their
#   P/bin/quorvel-server     files through their real location, not the link's
#   P/share/applications/quorvel.desktop, P/share/icons/hicolor/NxN/apps/quorvel.png
#
# LoginInfo.xml gets mode 0600: it holds remembered passwords. The files the client
# writes are laid down only when missing, so installing again keeps them.
include(GNUInstallDirs)

set(QUORVEL_PROGRAM_DIR "lib/quorvel" CACHE STRING
    "Client program directory, relative to the installation prefix")
set(QUORVEL_SERVER_DIR "lib/quorvel-server" CACHE STRING
    "Sample server directory, relative to the installation prefix")

set(_quorvel_assets ${CMAKE_SOURCE_DIR}/assets)
set(_quorvel_read_write OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)

# image/ and the local XML files that ship unchanged, into `destination`.
function(quorvel_install_shipped_files destination)
  install(DIRECTORY ${_quorvel_assets}/image DESTINATION ${destination}
          FILE_PERMISSIONS ${_quorvel_read_write})
  install(FILES
            ${_quorvel_assets}/UpdateList.xml
            ${_quorvel_assets}/AutoUpdateList.xml
            ${_quorvel_assets}/StockInfo.xml
            ${_quorvel_assets}/Advertise.XML
          DESTINATION ${destination} PERMISSIONS ${_quorvel_read_write})
endfunction()

# The local files the client writes (configuration, calculator data, remembered
# accounts) are installed only where they are missing: installing again over a used
# installation keeps what the client saved there.
function(quorvel_install_user_file destination file)
  cmake_parse_arguments(ARG "" "" "PERMISSIONS" ${ARGN})
  get_filename_component(name ${file} NAME)
  install(CODE "
    set(_dir \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${destination}\")
    if(EXISTS \"\${_dir}/${name}\")
      message(STATUS \"Kept: \${_dir}/${name}\")
    else()
      file(INSTALL DESTINATION \"\${_dir}\" TYPE FILE PERMISSIONS ${ARG_PERMISSIONS} FILES \"${file}\")
    endif()
  ")
endfunction()

function(quorvel_install_user_files destination)
  quorvel_install_user_file(${destination} ${_quorvel_assets}/config.xml PERMISSIONS ${_quorvel_read_write})
  quorvel_install_user_file(${destination} ${_quorvel_assets}/ClcltdDataInfo.xml
                            PERMISSIONS ${_quorvel_read_write})
  quorvel_install_user_file(${destination} ${_quorvel_assets}/LoginInfo.xml PERMISSIONS OWNER_READ OWNER_WRITE)
endfunction()

# A relative symbolic link P/<link> to P/<target>, replacing what was there.
function(quorvel_install_link link target)
  get_filename_component(link_dir "/${link}" DIRECTORY)
  file(RELATIVE_PATH relative "${link_dir}" "/${target}")
  install(CODE "
    set(_link \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${link}\")
    get_filename_component(_dir \"\${_link}\" DIRECTORY)
    file(MAKE_DIRECTORY \"\${_dir}\")
    file(REMOVE \"\${_link}\")
    file(CREATE_LINK \"${relative}\" \"\${_link}\" SYMBOLIC)
    message(STATUS \"Installing: \${_link} -> ${relative}\")
    list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${_link}\")
  ")
endfunction()

set(_quorvel_programs krclient)
if(TARGET krRestoration)
  list(APPEND _quorvel_programs krRestoration)
endif()
install(TARGETS ${_quorvel_programs} RUNTIME DESTINATION ${QUORVEL_PROGRAM_DIR})
quorvel_install_shipped_files(${QUORVEL_PROGRAM_DIR})
quorvel_install_user_files(${QUORVEL_PROGRAM_DIR})
quorvel_install_link(${CMAKE_INSTALL_BINDIR}/quorvel ${QUORVEL_PROGRAM_DIR}/krclient)

install(TARGETS quorvel-server RUNTIME DESTINATION ${QUORVEL_SERVER_DIR})
quorvel_install_shipped_files(${QUORVEL_SERVER_DIR}/assets)
quorvel_install_link(${CMAKE_INSTALL_BINDIR}/quorvel-server ${QUORVEL_SERVER_DIR}/quorvel-server)

install(FILES ${_quorvel_assets}/share/applications/quorvel.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications PERMISSIONS ${_quorvel_read_write})
install(DIRECTORY ${_quorvel_assets}/share/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons
        FILE_PERMISSIONS ${_quorvel_read_write})
