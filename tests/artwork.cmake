# Checks on the committed artwork in data/: what the game needs from the tileset and background
# files. The files themselves are drawn by tools/artgen.
find_package(Qt6 REQUIRED COMPONENTS Gui)

add_executable(velmor_artwork_tests ${CMAKE_CURRENT_SOURCE_DIR}/artwork_tests.cpp)
# The core for the PNG reader and the lookup of the larger files, checked against Qt's reading.
target_link_libraries(velmor_artwork_tests PRIVATE velmor_core Qt6::Gui GTest::gtest GTest::gtest_main)
target_compile_definitions(velmor_artwork_tests PRIVATE VELMOR_DATA_DIR="${CMAKE_SOURCE_DIR}/data")
gtest_discover_tests(velmor_artwork_tests PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
