# The Debian package: `cpack -G DEB` in the build folder (scripts/package.sh does everything).
set(CPACK_PACKAGE_NAME tirtamaya)
set(CPACK_PACKAGE_VENDOR "Proyek Tirtamaya")
set(CPACK_PACKAGE_CONTACT "Proyek Tirtamaya <tirtamaya@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Membaca, mencari dan mempelajari Alkitab")
# The summary above is the first line; this is the rest.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Tirtamaya adalah program desktop untuk membaca dan mempelajari Alkitab
dengan antarmuka berbahasa Indonesia: beberapa terjemahan berdampingan,
pencarian, ClipBook, bookmark, perikop, referensi silang, kamus, peta dan
kitab-kitab Deuterokanonika.

Paket ini menyertakan data demo dari terjemahan Alkitab yang berada di
ranah publik, dan alat tirtamaya-data untuk membangun file data sendiri.")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Not linked, but needed: Qt's display plugins; a serif font that stands in for Times New Roman.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2")
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_SOURCE_DIR}/checkpackage.cmake)
include(CPack)
