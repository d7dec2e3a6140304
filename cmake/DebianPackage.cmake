# `cpack -G DEB` in the build folder makes godojoken_<version>_<arch>.deb from
# the install rules. Included after every install() of the project.

set(GODO_PACKAGE_MAINTAINER "the godojoken developers" CACHE STRING
    "Maintainer field of the Debian package (name <address>)")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME godojoken)
set(CPACK_PACKAGE_VENDOR "the godojoken developers")
set(CPACK_PACKAGE_CONTACT "${GODO_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "geometry lesson on triangle congruence (三角形の合同条件)")
set(CPACK_RESOURCE_FILE_LICENSE "${CMAKE_CURRENT_SOURCE_DIR}/LICENSE")
# RelWithDebInfo builds carry their debug information; the package does not.
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${GODO_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"A single-window teaching aid for a lower-secondary geometry lesson,
「三角形の合同条件」 (triangle congruence). It shows two parallel lines, a
segment AB between them and a line through its midpoint M, and leads the
class button by button through the proof that triangles APM and BQM are
congruent because one side and the two angles at its ends are equal (ASA):
the hypothesis, turning the line, the conclusion to prove, the two
triangles, the equal sides and angles, and the congruence condition.
All captions are Japanese. The window can be printed on the default printer.")

# The Qt libraries and the C/C++ runtime come from what the executable really
# links (dpkg-shlibdeps); the Japanese face the window asks for does not show
# up there, so it is named here, and so is libcups2, which printing opens
# when it is first needed. The X11 platform plugin ships inside libqt6gui6.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, libcups2")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
