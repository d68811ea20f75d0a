# What a Windows user downloads, the portable zip and the per-user installer, made by
# scripts/dist.sh as `make dist` makes them and checked under Wine from the built program's folder
# (where the command-line companion quorlin.exe joins them once the build has it).
add_test(NAME install
  COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/install-check.sh
          $<TARGET_FILE_DIR:QuorlinConversion> ${CMAKE_BINARY_DIR}/install-check)
# It reports itself skipped (77) where the machine cannot run the 32-bit installer.
set_tests_properties(install PROPERTIES TIMEOUT 180 SKIP_RETURN_CODE 77)
