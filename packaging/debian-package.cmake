# The Debian package: everything `cmake --install` lays out, under /usr, as tunelark_VERSION_ARCH.deb.
# dpkg-shlibdeps finds the libraries the programs link; the packages libVLC loads at run time for
# playback and video (its plugins and their cache tool) and Qt's X11 platform plugin are named here,
# since no linked library tells of them.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tunelark)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT "Tunelark developers <developers@tunelark.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "skinnable internet radio player that records to MP3")
# dpkg wants the summary first and the long description under it; CPack joins them and indents it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Tunelark plays internet radio stations (Icecast, Shoutcast, HLS, MMS and
playlists), shows the song titles stations send, slides a news ticker and
records what the sound card plays into MP3 files. Skins reshape its window.
Stations, its companion editor, manages the station list and finds stations
in the community radio directory; tunelark-cli handles station lists, skins,
WAVE files and MP3 encoding from the command line.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://tunelark.example.org/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "vlc-plugin-base, vlc-plugin-video-output, libvlc-bin, qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "pulseaudio | pipewire-pulse, pavucontrol")
set(CPACK_STRIP_FILES ON)
include(CPack)
