# `cpack -G DEB` in the build tree packs what `cmake --install` lays out into
# yorvane_<version>_<arch>.deb under /usr. dpkg-shlibdeps (dpkg-dev) works out
# the libraries' packages; the CJK captions, the desktop sound theme and
# libcanberra's PulseAudio driver (which libcanberra loads at run time) are
# named here because no binary links them.
if(NOT TARGET yorvane)
  return()
endif()

set(CPACK_PACKAGE_NAME yorvane)
set(CPACK_PACKAGE_VENDOR Yorvane)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "save the screen as numbered BMP wallpapers")
set(CPACK_PACKAGE_DESCRIPTION "While a video plays, press a button and Yorvane saves the \
screen, or a rectangle picked beforehand, as numbered BMP files ready to be used as wallpaper.")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(YORVANE_PACKAGE_MAINTAINER "Yorvane developers <maintainer@yorvane.invalid>"
    CACHE STRING "The Debian package's Maintainer field")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${YORVANE_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk, sound-theme-freedesktop, libcanberra-pulse")

include(CPack)
