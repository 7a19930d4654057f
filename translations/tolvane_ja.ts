<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>tolvane::AboutBox</name>
    <message>
        <source>Made by the Tolvane developers</source>
        <translation>開発：Tolvane 開発チーム</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>tolvane::AccessChoiceDialog</name>
    <message>
        <source>Automatic Setup</source>
        <translation>自動設定</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>次へ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>tolvane::AddressConfirmDialog</name>
    <message>
        <source>Automatic Setup</source>
        <translation>自動設定</translation>
    </message>
    <message>
        <source>&lt;p&gt;The camera&apos;s network settings will be based on this computer&apos;s network settings.&lt;/p&gt;&lt;p&gt;Confirm the settings below, change them if needed, and press &quot;O K&quot;.&lt;/p&gt;</source>
        <translation>&lt;p&gt;カメラのネットワーク設定は、このコンピューターの設定をもとに行います。&lt;/p&gt;&lt;p&gt;以下の設定を確認し、必要なら変更して「OK」を押してください。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>On some computers the settings shown here may not be correct.</source>
        <translation>コンピューターによっては、表示される設定が正しくない場合があります。</translation>
    </message>
    <message>
        <source>The following network settings will be assigned to the camera.</source>
        <translation>カメラに以下のネットワーク設定を割り当てます。</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IPアドレス</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>サブネットマスク</translation>
    </message>
    <message>
        <source>O K</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>tolvane::CameraList</name>
    <message>
        <source>Interface</source>
        <translation>インターフェース</translation>
    </message>
</context>
<context>
    <name>tolvane::ControlDialog</name>
    <message>
        <source>Control</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Automatic Setup (Local Access Only)</source>
        <translation>自動設定（ローカルアクセスのみ）</translation>
    </message>
    <message>
        <source>Automatic Setup (Internet Access)</source>
        <translation>自動設定（インターネットアクセス）</translation>
    </message>
    <message>
        <source>Manual Setup</source>
        <translation>手動設定</translation>
    </message>
    <message>
        <source>Open the camera&apos;s web page</source>
        <translation>カメラのWebページを開く</translation>
    </message>
    <message>
        <source>Reset IPsec</source>
        <translation>IPsecのリセット</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
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
        <translation>カメラがまだ一覧に表示されていません。次の点を確認してください。
- カメラの電源が入っていて、このコンピューターのネットワークに接続されている。
- 設置作業中は、このコンピューターのファイアウォールが無効になっている。
それでも表示されない場合は、LANポート付近に記載のMACアドレスを入力して「カメラを設定」を押してください。
再起動から20分以上経過したカメラは、このプログラムでは設定できません。</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <translation>MACアドレス</translation>
    </message>
    <message>
        <source>Set up camera</source>
        <translation>カメラを設定</translation>
    </message>
    <message>
        <source>Choose the camera by its MAC address, then press &quot;Execute&quot;.
This program cannot set up a camera more than 20 minutes after its restart; restart the camera first.
Install several cameras one at a time.
If a camera&apos;s IP address overlaps another&apos;s, switch that camera off and on again so that it gets a different address.</source>
        <translation>MACアドレスでカメラを選択し、「実行」を押してください。
再起動から20分以上経過したカメラは設定できません。先にカメラを再起動してください。
複数のカメラは1台ずつ設置してください。
IPアドレスが他の機器と重複したカメラは、電源を入れ直して別のアドレスを取得させてください。</translation>
    </message>
    <message>
        <source>Execute</source>
        <translation>実行</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>インターフェース</translation>
    </message>
    <message>
        <source>Searching for cameras on: %1</source>
        <translation>カメラを検索しているインターフェース：%1</translation>
    </message>
</context>
<context>
    <name>tolvane::ManualSetupDialog</name>
    <message>
        <source>Manual Setup</source>
        <translation>手動設定</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>固定</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>To reach the camera from the Internet, set up port forwarding on your router: forward the camera&apos;s port number to the camera&apos;s IP address.
Routers also call this function virtual server, port mapping, address translation or NAT settings.</source>
        <translation>インターネットからカメラにアクセスするには、ルーターでポートフォワーディングを設定し、カメラのポート番号をカメラのIPアドレスに転送してください。
この機能は、ルーターによってはバーチャルサーバー、ポートマッピング、アドレス変換、NAT設定などと呼ばれます。</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Camera Name</source>
        <translation>カメラ名</translation>
    </message>
    <message>
        <source>Port Number</source>
        <translation>ポート番号</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IPアドレス</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>サブネットマスク</translation>
    </message>
    <message>
        <source>Host Name</source>
        <translation>ホスト名</translation>
    </message>
    <message>
        <source>Default Gateway</source>
        <translation>デフォルトゲートウェイ</translation>
    </message>
    <message>
        <source>DNS Server1</source>
        <translation>DNSサーバー1</translation>
    </message>
    <message>
        <source>DNS Server2</source>
        <translation>DNSサーバー2</translation>
    </message>
    <message>
        <source>Band Width</source>
        <translation>帯域制限</translation>
    </message>
    <message>
        <source>Please enter a port number between 1 and 65535.</source>
        <translation>ポート番号は1～65535の範囲で入力してください。</translation>
    </message>
</context>
<context>
    <name>tolvane::MessageDialog</name>
    <message>
        <source>Message</source>
        <translation>メッセージ</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>tolvane::ProgressDialog</name>
    <message>
        <source>Message</source>
        <translation>メッセージ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>tolvane::ResetIpsecDialog</name>
    <message>
        <source>Reset IPsec</source>
        <translation>IPsecのリセット</translation>
    </message>
    <message>
        <source>Do you want to reset IPsec?
IPsec will be switched off in this camera, and the camera will restart.</source>
        <translation>IPsecをリセットしますか？
このカメラのIPsecが無効になり、カメラが再起動します。</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
</TS>
