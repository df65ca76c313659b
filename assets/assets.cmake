# Files compiled into the program's resources, relative to this folder.
set(VELMORA_ASSET_FILES
    "${CMAKE_CURRENT_LIST_DIR}/images/background.png"
    "${CMAKE_CURRENT_LIST_DIR}/images/strip.png"
    "${CMAKE_CURRENT_LIST_DIR}/images/minimise.png"
    "${CMAKE_CURRENT_LIST_DIR}/images/exit.png"
    "${CMAKE_CURRENT_LIST_DIR}/images/about.png"
    "${CMAKE_CURRENT_LIST_DIR}/icons/velmora-16.png"
    "${CMAKE_CURRENT_LIST_DIR}/icons/velmora-32.png"
    "${CMAKE_CURRENT_LIST_DIR}/icons/velmora-48.png"
    "${CMAKE_CURRENT_LIST_DIR}/icons/velmora-256.png"
    "${CMAKE_CURRENT_LIST_DIR}/sounds/bell.wav")

# The theme skins, generated from one template (see skins/themes.cmake).
include("${CMAKE_CURRENT_LIST_DIR}/skins/themes.cmake")
