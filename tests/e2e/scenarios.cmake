# End-to-end scenarios: each script under scenarios/ starts the real
# Tirvane.exe under Wine and checks what a user sees. They share one Wine
# prefix and one virtual screen per run, made by the session fixture.
set(E2E_DIR "${CMAKE_BINARY_DIR}/e2e")
set(E2E_ENV
  "TIRVANE_E2E=${E2E_DIR}"
  "TIRVANE_EXE_DIR=${TIRVANE_WINDOWS_BUILD}"
  "TIRVANE_SOURCE=${CMAKE_SOURCE_DIR}")

add_test(NAME e2e.session.start COMMAND bash "${CMAKE_SOURCE_DIR}/tests/e2e/session.sh" start)
add_test(NAME e2e.session.stop COMMAND bash "${CMAKE_SOURCE_DIR}/tests/e2e/session.sh" stop)
set_tests_properties(e2e.session.start PROPERTIES FIXTURES_SETUP wine ENVIRONMENT "${E2E_ENV}" TIMEOUT 300)
set_tests_properties(e2e.session.stop PROPERTIES FIXTURES_CLEANUP wine ENVIRONMENT "${E2E_ENV}")

file(GLOB E2E_SCENARIOS CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/tests/e2e/scenarios/*.sh")
foreach(script IN LISTS E2E_SCENARIOS)
  get_filename_component(name "${script}" NAME_WE)
  add_test(NAME e2e.${name} COMMAND bash "${script}")
  set_tests_properties(e2e.${name} PROPERTIES
    FIXTURES_REQUIRED wine RESOURCE_LOCK wine ENVIRONMENT "${E2E_ENV}" TIMEOUT 180 SKIP_RETURN_CODE 77)
endforeach()
