add_library(windows STATIC Program.h Program.cpp frmAbout.h frmAbout.cpp frmNagScreen2.h frmNagScreen2.cpp)
target_include_directories(windows PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(windows PUBLIC Qt6::Widgets zt_layout zt_message)
# The closing and About windows open pages, submit referrals and draw random numbers.
target_link_libraries(windows PRIVATE shell)
# The main and results windows compute a reading and open pages.
target_sources(windows PRIVATE frmMain.h frmMain.cpp frmPinnaclePhases.h frmPinnaclePhases.cpp)
target_link_libraries(windows PRIVATE pinnacle)
