<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>tolvane::AboutBox</name>
    <message>
        <source>Made by the Tolvane developers</source>
        <translation>由 Tolvane 开发团队开发</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later (GPL-3.0-or-later), without any warranty.</source>
        <translation>自由软件，依据 GNU 通用公共许可证第 3 版或更高版本（GPL-3.0-or-later）发布，不提供任何担保。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>tolvane::AccessChoiceDialog</name>
    <message>
        <source>Automatic Setup</source>
        <translation>自动设置</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一步</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>tolvane::AddressConfirmDialog</name>
    <message>
        <source>Automatic Setup</source>
        <translation>自动设置</translation>
    </message>
    <message>
        <source>&lt;p&gt;The camera&apos;s network settings will be based on this computer&apos;s network settings.&lt;/p&gt;&lt;p&gt;Confirm the settings below, change them if needed, and press &quot;O K&quot;.&lt;/p&gt;</source>
        <translation>&lt;p&gt;摄像机的网络设置将根据本计算机的网络设置进行配置。&lt;/p&gt;&lt;p&gt;请确认以下设置，根据需要进行修改，然后按“确定”。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>On some computers the settings shown here may not be correct.</source>
        <translation>在某些计算机上，此处显示的设置可能不正确。</translation>
    </message>
    <message>
        <source>The following network settings will be assigned to the camera.</source>
        <translation>将为摄像机分配以下网络设置。</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP 地址</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>子网掩码</translation>
    </message>
    <message>
        <source>O K</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>tolvane::CameraList</name>
    <message>
        <source>Interface</source>
        <translation>网络接口</translation>
    </message>
</context>
<context>
    <name>tolvane::ControlDialog</name>
    <message>
        <source>Control</source>
        <translation>控制</translation>
    </message>
    <message>
        <source>Automatic Setup (Local Access Only)</source>
        <translation>自动设置（仅限本地访问）</translation>
    </message>
    <message>
        <source>Automatic Setup (Internet Access)</source>
        <translation>自动设置（互联网访问）</translation>
    </message>
    <message>
        <source>Manual Setup</source>
        <translation>手动设置</translation>
    </message>
    <message>
        <source>Open the camera&apos;s web page</source>
        <translation>打开摄像机网页</translation>
    </message>
    <message>
        <source>Reset IPsec</source>
        <translation>重置 IPsec</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>tolvane::MainDialog</name>
    <message>
        <source>Tolvane</source>
        <translation>Tolvane</translation>
    </message>
    <message>
        <source>No camera is listed yet. Please check the following:
- The camera is powered on and connected to this computer&apos;s network.
- Firewalls on this computer are switched off during the installation.
If the camera is still not listed, type the MAC address printed near its LAN port and press &quot;Set up camera&quot;.
This program cannot set up a camera more than 20 minutes after its restart.</source>
        <translation>列表中尚无摄像机。请检查以下各项：
- 摄像机已通电，并已连接到本计算机所在的网络。
- 安装期间已关闭本计算机上的防火墙。
如果仍未列出摄像机，请输入印在其 LAN 端口附近的 MAC 地址，然后按“设置摄像机”。
摄像机重新启动超过 20 分钟后，本程序将无法对其进行设置。</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <translation>MAC 地址</translation>
    </message>
    <message>
        <source>Set up camera</source>
        <translation>设置摄像机</translation>
    </message>
    <message>
        <source>Choose the camera by its MAC address, then press &quot;Execute&quot;.
This program cannot set up a camera more than 20 minutes after its restart; restart the camera first.
Install several cameras one at a time.
If a camera&apos;s IP address overlaps another&apos;s, switch that camera off and on again so that it gets a different address.</source>
        <translation>请根据 MAC 地址选择摄像机，然后按“执行”。
摄像机重新启动超过 20 分钟后，本程序将无法对其进行设置；请先重新启动摄像机。
请逐台安装多台摄像机。
如果某台摄像机的 IP 地址与其他设备冲突，请关闭该摄像机的电源后重新打开，使其获取其他地址。</translation>
    </message>
    <message>
        <source>Execute</source>
        <translation>执行</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>网络接口</translation>
    </message>
    <message>
        <source>Searching for cameras on: %1</source>
        <translation>正在以下网络接口上搜索摄像机：%1</translation>
    </message>
</context>
<context>
    <name>tolvane::ManualSetupDialog</name>
    <message>
        <source>Manual Setup</source>
        <translation>手动设置</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>静态</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>To reach the camera from the Internet, set up port forwarding on your router: forward the camera&apos;s port number to the camera&apos;s IP address.
Routers also call this function virtual server, port mapping, address translation or NAT settings.</source>
        <translation>要从互联网访问摄像机，请在路由器上设置端口转发：将摄像机的端口号转发到摄像机的 IP 地址。
路由器中此功能也称为虚拟服务器、端口映射、地址转换或 NAT 设置。</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Camera Name</source>
        <translation>摄像机名称</translation>
    </message>
    <message>
        <source>Port Number</source>
        <translation>端口号</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP 地址</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>子网掩码</translation>
    </message>
    <message>
        <source>Host Name</source>
        <translation>主机名</translation>
    </message>
    <message>
        <source>Default Gateway</source>
        <translation>默认网关</translation>
    </message>
    <message>
        <source>DNS Server1</source>
        <translation>DNS 服务器 1</translation>
    </message>
    <message>
        <source>DNS Server2</source>
        <translation>DNS 服务器 2</translation>
    </message>
    <message>
        <source>Band Width</source>
        <translation>带宽</translation>
    </message>
    <message>
        <source>Please enter a port number between 1 and 65535.</source>
        <translation>请输入 1 到 65535 之间的端口号。</translation>
    </message>
</context>
<context>
    <name>tolvane::MessageDialog</name>
    <message>
        <source>Message</source>
        <translation>消息</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>tolvane::ProgressDialog</name>
    <message>
        <source>Message</source>
        <translation>消息</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>tolvane::ResetIpsecDialog</name>
    <message>
        <source>Reset IPsec</source>
        <translation>重置 IPsec</translation>
    </message>
    <message>
        <source>Do you want to reset IPsec?
IPsec will be switched off in this camera, and the camera will restart.</source>
        <translation>是否重置 IPsec？
将关闭此摄像机的 IPsec，摄像机随后将重新启动。</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
</TS>
