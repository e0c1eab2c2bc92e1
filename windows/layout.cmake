add_library(zt_layout STATIC ClickLabel.h ClickLabel.cpp LayoutBuilder.h LayoutBuilder.cpp)
target_include_directories(zt_layout PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(zt_layout PUBLIC Qt6::Widgets)
