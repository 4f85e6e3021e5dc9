# Tests of the installed program: included from the top-level CMakeLists.txt after the
# install rules (cmake/Packaging.cmake). A tool that is missing makes its test skip
# (exit 77); scripts/deps.sh installs them all.
set(install_dir ${CMAKE_SOURCE_DIR}/tests/install)

if(QUELMAR_GUI)
  add_test(NAME desktop_entry
           COMMAND bash ${install_dir}/validate.sh desktop-file-validate ${CMAKE_SOURCE_DIR}/packaging/quelmar.desktop)
  add_test(NAME appstream_metainfo
           COMMAND bash ${install_dir}/validate.sh appstreamcli validate --no-net ${QUELMAR_METAINFO})
  set_tests_properties(desktop_entry appstream_metainfo PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 60)

  set(man_pages "man")
  if(NOT HELP2MAN)
    set(man_pages "no-generated-man")
  endif()
  add_test(NAME install_tree
           COMMAND bash ${install_dir}/check_install.sh ${CMAKE_BINARY_DIR} ${install_dir}/manifest.txt ${man_pages})
  set_tests_properties(install_tree PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 300)

  # The package is built from the normal tree only; the sanitizer tree's programs are not for shipping.
  if(NOT QUELMAR_SANITIZE)
    add_test(NAME deb_package COMMAND bash ${install_dir}/check_package.sh ${CMAKE_BINARY_DIR} ${PROJECT_VERSION})
    set_tests_properties(deb_package PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 600)
  endif()
endif()
