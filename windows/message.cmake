add_library(zt_message STATIC ShowMessage.h ShowMessage.cpp)
target_include_directories(zt_message PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(zt_message PUBLIC Qt6::Widgets)
