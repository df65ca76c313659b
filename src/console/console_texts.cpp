#include "console/console_texts.h"

#include <string>

#include "platform/code_page.h"

namespace velmora {
namespace {
constexpr const char* kHelpText = "1.百度百科帮助：输入内容自动解析百科。\r\n"
                                  "2.智能聊天帮助：\r\n"
                                  "1.随便发消息正常聊天”\r\n"
                                  "2.地区天气 上海天气 查询上海的天气预报（市级或县级地区） \r\n"
                                  "3.天气 天气 根据访问IP自动获取天气预报 \r\n"
                                  "4.@tq您的ip地址 @tq8.8.8.8 查询IP地址为8.8.8.8的天气预报 \r\n"
                                  "5.@ip您的ip地址 @ip8.8.8.8 查询IP地址为8.8.8.8的位置和经纬度 \r\n"
                                  "6.ip ip 查询访问者的IP地址详情 \r\n"
                                  "7.@qq要查询的QQ号码 @qq123456 查询QQ号码123456的信息 \r\n"
                                  "8.@lol英雄联盟大区--角色名称 \r\n"
                                  "9.@lol艾欧尼亚--我要超神 查询艾欧尼亚区我要超神的战绩信息 \r\n"
                                  "10.@sfz身份证号码 @sfz11111...查询身份证号码公民所在地、生日和性别 \r\n"
                                  "11.@sjh手机号码 @sjh18888...查询手机号码归属地、城市区号和卡的类型 \r\n"
                                  "12.@cy四字成语 @cy一马当先 【一马当先】的成语接龙\r\n"
                                  "注意：双击输入框可修改昵称。\r\n"
                                  "3.换算时间：将秒换算成天/时/分/秒。 ";
} // namespace

Text DefaultOwnNickname()
{
    return "Pellam";
}

Text DefaultRobotNickname()
{
    return LocalFromUtf8("小小");
}

Text ConsoleHelpText()
{
    return LocalFromUtf8(kHelpText);
}

Text ChatTimeStamp(const LocalTime& now)
{
    const Text colon = LocalFromUtf8("：");
    return std::to_string(now.hour) + colon + std::to_string(now.minute) + colon + std::to_string(now.second);
}

Text TranscriptLine(std::string_view nickname, std::string_view stamp, std::string_view message)
{
    return Text(nickname) + "    " + Text(stamp) + "\r\n" + Text(message) + "\r\n";
}

} // namespace velmora
