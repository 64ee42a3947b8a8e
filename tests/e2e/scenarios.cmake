# End-to-end scenarios: each script under scenarios/ starts the real
# Tirvane.exe under Wine and checks what a user sees. They share one Wine
# prefix and one virtual screen per run, made by the session fixture.
set(E2E_DIR "${CMAKE_BINARY_DIR}/e2e")
set(E2E_ENV
  "TIRVANE_E2E=${E2E_DIR}"
  "TIRVANE_SOURCE=${CMAKE_SOURCE_DIR}")

add_test(NAME e2e.session.start COMMAND bash "${CMAKE_SOURCE_DIR}/tests/e2e/session.sh" start)
add_test(NAME e2e.session.stop COMMAND bash "${CMAKE_SOURCE_DIR}/tests/e2e/session.sh" stop)
set_tests_properties(e2e.session.start PROPERTIES FIXTURES_SETUP wine ENVIRONMENT "${E2E_ENV}" TIMEOUT 300)
set_tests_properties(e2e.session.stop PROPERTIES FIXTURES_CLEANUP wine ENVIRONMENT "${E2E_ENV}")

# Each scenario runs against both programs, e2e.x86_64.<name> and
# e2e.i686.<name>, each with the driver of its own bitness; the i686 ones
# skip where the machine runs no 32-bit code.
file(GLOB E2E_SCENARIOS CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/tests/e2e/scenarios/*.sh")
foreach(target IN ITEMS x86_64 i686)
  foreach(script IN LISTS E2E_SCENARIOS)
    get_filename_component(name "${script}" NAME_WE)
    add_test(NAME e2e.${target}.${name} COMMAND bash "${script}")
    set_tests_properties(e2e.${target}.${name} PROPERTIES
      FIXTURES_REQUIRED wine RESOURCE_LOCK wine TIMEOUT 180 SKIP_RETURN_CODE 77
      ENVIRONMENT "${E2E_ENV};TIRVANE_TARGET=${target};TIRVANE_EXE_DIR=${WINDOWS_BUILDS}/${target}")
  endforeach()
endforeach()
