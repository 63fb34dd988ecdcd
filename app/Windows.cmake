# The windows of the application shell and the program itself.
file(GLOB windows CONFIGURE_DEPENDS *.cpp)
list(REMOVE_ITEM windows ${CMAKE_CURRENT_SOURCE_DIR}/Neatrix.cpp)
add_library(nx_app_windows STATIC ${windows})
target_link_libraries(nx_app_windows PUBLIC nx_app_rules nx_services nx_wingui nx_win32)

add_executable(Neatrix WIN32 Neatrix.cpp ${CMAKE_SOURCE_DIR}/resources/Neatrix.rc)
target_link_libraries(Neatrix PRIVATE nx_app_windows nx_cleaners)
target_link_options(Neatrix PRIVATE -municode)
set_target_properties(Neatrix PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
add_dependencies(Neatrix nx_string_rc nx_language_enu nx_language_sve)
