# Run by CPack before it makes the package: a package without the demo data would start into a
# folder prompt, so it is refused.
file(GLOB_RECURSE data "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/Purnaka2000.dat")
if(NOT data)
    message(FATAL_ERROR "Paket tidak dibuat: data demo tidak ada. Bangun dulu: sh scripts/build-demo-data.sh")
endif()
