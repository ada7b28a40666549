# The Debian package, made by CPack from an install of this build tree:
#   cpack --config build/default/CPackConfig.cmake   (scripts/package.sh does it and checks it)
# The binaries are stripped; shlibdeps works out what they need from the libraries they link.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME markwise)
set(CPACK_PACKAGE_VENDOR "The Markwise developers")
set(CPACK_PACKAGE_CONTACT "The Markwise developers <markwise@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "grade book for teachers")
# Debian shows the description as written: lines under 80 characters.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Markwise keeps one class per file, up to 1000 students and 200 assignments,\n"
       "shown as a grade sheet with each student's total, percent and letter grade.\n"
       "It sorts and summarises the class, prints it with rosters, progress reports\n"
       "and student reports, and exchanges grades with spreadsheets and learning\n"
       "platforms as CSV. The markwise-cli tool checks, sorts and converts classes\n"
       "in scripts.")
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/package)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://github.com/markwise/markwise)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beside the libraries: the grade sheet and its printouts are laid out in "Courier New"'s
# metrics, which Liberation Mono has and no other installed font may.
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation)
include(CPack)
