<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name></name>
    <message id="tolvane-101">
        <source>About this program</source>
        <translation>バージョン情報</translation>
    </message>
    <message id="tolvane-103">
        <source>Failed to initialize Windows Socket</source>
        <translation>Windows ソケットを初期化できませんでした</translation>
    </message>
    <message id="tolvane-104">
        <source>MAC Address</source>
        <translation>MACアドレス</translation>
    </message>
    <message id="tolvane-105">
        <source>IPv4 Address</source>
        <translation>IPv4アドレス</translation>
    </message>
    <message id="tolvane-106">
        <source>Port No.</source>
        <translation>ポート番号</translation>
    </message>
    <message id="tolvane-107">
        <source>Camera Status</source>
        <translation>カメラの状態</translation>
    </message>
    <message id="tolvane-108">
        <source><byte value="xd"/>
<byte value="xd"/>
Manual Network Configuration (for the camera in factory default settings)<byte value="xd"/>
The itemes below will not be configured by Manual etup<byte value="xd"/>
<byte value="xd"/>
Administrator authentication<byte value="xd"/>
Power Line Frequency<byte value="xd"/>
UPnP configuration<byte value="xd"/>
DynamicDNS configuration</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
手動ネットワーク設定（工場出荷時の設定のカメラ用）<byte value="xd"/>
以下の項目は手動設定では設定されません<byte value="xd"/>
<byte value="xd"/>
管理者認証<byte value="xd"/>
電源周波数<byte value="xd"/>
UPnP設定<byte value="xd"/>
ダイナミックDNS設定</translation>
    </message>
    <message id="tolvane-109">
        <source><byte value="xd"/>
Access from the Internet</source>
        <translation><byte value="xd"/>
インターネットからのアクセス</translation>
    </message>
    <message id="tolvane-110">
        <source>IPv6 Address</source>
        <translation>IPv6アドレス</translation>
    </message>
    <message id="tolvane-111">
        <source>No.</source>
        <translation>No.</translation>
    </message>
    <message id="tolvane-112">
        <source>Tolvane</source>
        <translation>Tolvane</translation>
    </message>
    <message id="tolvane-113">
        <source>Basic Setup</source>
        <translation>基本設定</translation>
    </message>
    <message id="tolvane-114">
        <source>DDNS registration</source>
        <translation>DDNS登録</translation>
    </message>
    <message id="tolvane-115">
        <source>RESERVE</source>
        <translation>RESERVE</translation>
    </message>
    <message id="tolvane-116">
        <source>RESERVE</source>
        <translation>RESERVE</translation>
    </message>
    <message id="tolvane-117">
        <source>RESERVE</source>
        <translation>RESERVE</translation>
    </message>
    <message id="tolvane-118">
        <source>RESERVE</source>
        <translation>RESERVE</translation>
    </message>
    <message id="tolvane-119">
        <source><byte value="xd"/>
Tolvane Wizard in progress</source>
        <translation><byte value="xd"/>
Tolvane ウィザードを実行しています</translation>
    </message>
    <message id="tolvane-120">
        <source><byte value="xd"/>
Start camera&apos;s network configuration based on this computer&apos;s network settings</source>
        <translation><byte value="xd"/>
このコンピューターのネットワーク設定に基づいて、カメラのネットワーク設定を開始します</translation>
    </message>
    <message id="tolvane-121">
        <source>Failed to get network settings from DHCP server<byte value="xd"/>
Click &quot;YES&quot; to proceed network configuration based on this computer&apos;s network settings<byte value="xd"/>
Click &quot;NO&quot; to continue Tolvane<byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
* It may not be able to complete network configuration based on the computer&apos;s netwrok settings depending on your computer model or other factors. In that case, you need to cofigure network settings manually.</source>
        <translation>DHCPサーバーからネットワーク設定を取得できませんでした<byte value="xd"/>
このコンピューターのネットワーク設定に基づいてネットワーク設定を進める場合は「はい」をクリックしてください<byte value="xd"/>
Tolvane の操作を続ける場合は「いいえ」をクリックしてください<byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
※ お使いのコンピューターの機種やその他の要因によっては、コンピューターのネットワーク設定に基づくネットワーク設定を完了できない場合があります。その場合は、ネットワークを手動で設定してください。</translation>
    </message>
    <message id="tolvane-122">
        <source><byte value="xd"/>
IP addresses overlapped</source>
        <translation><byte value="xd"/>
IPアドレスが重複しています</translation>
    </message>
    <message id="tolvane-123">
        <source><byte value="xd"/>
Failed to set up camera (Time out)</source>
        <translation><byte value="xd"/>
カメラの設定に失敗しました（タイムアウト）</translation>
    </message>
    <message id="tolvane-124">
        <source><byte value="xd"/>
Camera setup in progress</source>
        <translation><byte value="xd"/>
カメラを設定しています</translation>
    </message>
    <message id="tolvane-125">
        <source><byte value="xd"/>
Failed to set up camera</source>
        <translation><byte value="xd"/>
カメラの設定に失敗しました</translation>
    </message>
    <message id="tolvane-126">
        <source><byte value="xd"/>
Restarting camera</source>
        <translation><byte value="xd"/>
カメラを再起動しています</translation>
    </message>
    <message id="tolvane-127">
        <source><byte value="xd"/>
Camera setup completed</source>
        <translation><byte value="xd"/>
カメラの設定が完了しました</translation>
    </message>
    <message id="tolvane-128">
        <source><byte value="xd"/>
Camera is preparing for Easy Installation.<byte value="xd"/>
Please wait for a while.</source>
        <translation><byte value="xd"/>
カメラがかんたん設定の準備をしています。<byte value="xd"/>
しばらくお待ちください。</translation>
    </message>
    <message id="tolvane-129">
        <source>Unlimited</source>
        <translation>制限なし</translation>
    </message>
    <message id="tolvane-130">
        <source>10Mbps</source>
        <translation>10Mbps</translation>
    </message>
    <message id="tolvane-131">
        <source>5Mbps</source>
        <translation>5Mbps</translation>
    </message>
    <message id="tolvane-132">
        <source>3Mbps</source>
        <translation>3Mbps</translation>
    </message>
    <message id="tolvane-133">
        <source>2Mbps</source>
        <translation>2Mbps</translation>
    </message>
    <message id="tolvane-134">
        <source>1Mbps</source>
        <translation>1Mbps</translation>
    </message>
    <message id="tolvane-135">
        <source>0.5Mbps</source>
        <translation>0.5Mbps</translation>
    </message>
    <message id="tolvane-136">
        <source>0.3Mbps</source>
        <translation>0.3Mbps</translation>
    </message>
    <message id="tolvane-137">
        <source>0.2Mbps</source>
        <translation>0.2Mbps</translation>
    </message>
    <message id="tolvane-138">
        <source>0.1Mbps</source>
        <translation>0.1Mbps</translation>
    </message>
    <message id="tolvane-139">
        <source>0.07Mbps</source>
        <translation>0.07Mbps</translation>
    </message>
    <message id="tolvane-140">
        <source>Off-line</source>
        <translation>オフライン</translation>
    </message>
    <message id="tolvane-141">
        <source>Error - DDNS registration</source>
        <translation>DDNS登録エラー</translation>
    </message>
    <message id="tolvane-142">
        <source>Error - Access test</source>
        <translation>アクセステストエラー</translation>
    </message>
    <message id="tolvane-143">
        <source>Error - Port number refreshing</source>
        <translation>ポート番号の更新エラー</translation>
    </message>
    <message id="tolvane-144">
        <source>Error - UPnP configuration</source>
        <translation>UPnP設定エラー</translation>
    </message>
    <message id="tolvane-145">
        <source>Error - Netework configuration</source>
        <translation>ネットワーク設定エラー</translation>
    </message>
    <message id="tolvane-146">
        <source>Firmware version up in progress</source>
        <translation>ファームウェアをバージョンアップしています</translation>
    </message>
    <message id="tolvane-147">
        <source>Network configuration in progress</source>
        <translation>ネットワークを設定しています</translation>
    </message>
    <message id="tolvane-148">
        <source>UPnP configuration in progress</source>
        <translation>UPnPを設定しています</translation>
    </message>
    <message id="tolvane-149">
        <source>Internet connection test in progress</source>
        <translation>インターネット接続をテストしています</translation>
    </message>
    <message id="tolvane-150">
        <source>DDNS registration in progress</source>
        <translation>DDNSに登録しています</translation>
    </message>
    <message id="tolvane-151">
        <source>Internet setup completed</source>
        <translation>インターネット設定完了</translation>
    </message>
    <message id="tolvane-152">
        <source>Local setup completed</source>
        <translation>ローカル設定完了</translation>
    </message>
    <message id="tolvane-153">
        <source>Error - Router connection</source>
        <translation>ルーター接続エラー</translation>
    </message>
    <message id="tolvane-154">
        <source>Changing configuration by user</source>
        <translation>ユーザーが設定を変更しています</translation>
    </message>
    <message id="tolvane-155">
        <source>Enable to access from the Internet</source>
        <translation>インターネットからのアクセス：許可</translation>
    </message>
    <message id="tolvane-156">
        <source>Disable to access from the Internet</source>
        <translation>インターネットからのアクセス：不可</translation>
    </message>
    <message id="tolvane-157">
        <source>Static IP address</source>
        <translation>固定IPアドレス</translation>
    </message>
    <message id="tolvane-158">
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message id="tolvane-159">
        <source>Error - Port number refreshing</source>
        <translation>ポート番号の更新エラー</translation>
    </message>
    <message id="tolvane-160">
        <source>Do you wish to re-setup the camera?</source>
        <translation>カメラを再設定しますか？</translation>
    </message>
    <message id="tolvane-161">
        <source>RESERVE</source>
        <translation>RESERVE</translation>
    </message>
    <message id="tolvane-162">
        <source>RESERVE</source>
        <translation>RESERVE</translation>
    </message>
    <message id="tolvane-163">
        <source>Camera No.</source>
        <translation>カメラ番号</translation>
    </message>
    <message id="tolvane-164">
        <source>Do you wish to change to Automatic Setup mode?</source>
        <translation>自動設定モードに変更しますか？</translation>
    </message>
    <message id="tolvane-165">
        <source>Network configuration in progress.<byte value="xd"/>
Please wait for a while.</source>
        <translation>ネットワークを設定しています。<byte value="xd"/>
しばらくお待ちください。</translation>
    </message>
    <message id="tolvane-166">
        <source>IP address is not assigned to this computer.<byte value="xd"/>
Please configure the network settings for this computer and restart this program again.</source>
        <translation>このコンピューターにIPアドレスが割り当てられていません。<byte value="xd"/>
このコンピューターのネットワークを設定してから、このプログラムを起動し直してください。</translation>
    </message>
    <message id="tolvane-167">
        <source>Please select a desired Network Camera</source>
        <translation>ネットワークカメラを選択してください</translation>
    </message>
    <message id="tolvane-168">
        <source>This camera is off-line.</source>
        <translation>このカメラはオフラインです。</translation>
    </message>
    <message id="tolvane-169">
        <source>This program cannot set up the Network Camera over 20 minutes after restart.</source>
        <translation>カメラの再起動から20分以上経過すると、このプログラムではネットワークカメラを設定できません。</translation>
    </message>
    <message id="tolvane-170">
        <source>Invalid value</source>
        <translation>無効な値です</translation>
    </message>
    <message id="tolvane-171">
        <source><byte value="xd"/>
If you wish to allow Internet access to the camera,<byte value="xd"/>
click the &quot;Next&quot; button for advanced setup.</source>
        <translation><byte value="xd"/>
カメラへのインターネットからのアクセスを許可する場合は、<byte value="xd"/>
「次へ」ボタンをクリックして詳細設定に進んでください。</translation>
    </message>
    <message id="tolvane-172">
        <source>Setup completed.<byte value="xd"/>
Use the address below to access the camera.<byte value="xd"/>
  Local Network Access : </source>
        <translation>設定が完了しました。<byte value="xd"/>
カメラには以下のアドレスでアクセスしてください。<byte value="xd"/>
  ローカルネットワークからのアクセス：</translation>
    </message>
    <message id="tolvane-173">
        <source>This camera is in DHCP or Static Connection mode. 
If you wish to change to Automatic Setup mode, 
click &quot;Automatic Setup(Local Access Only)&quot; in the next window.</source>
        <translation>このカメラはDHCPまたは固定IPの接続モードです。
自動設定モードに変更する場合は、
次の画面で「自動設定（ローカルアクセスのみ）」をクリックしてください。</translation>
    </message>
    <message id="tolvane-174">
        <source>Now setting camera for IPsec off.</source>
        <translation>カメラのIPsecを無効にしています。</translation>
    </message>
    <message id="tolvane-175">
        <source>IPsec is already off.</source>
        <translation>IPsecはすでに無効になっています。</translation>
    </message>
    <message id="tolvane-176">
        <source>Illegal Mac address.</source>
        <translation>MACアドレスが正しくありません。</translation>
    </message>
    <message id="tolvane-177">
        <source><byte value="xd"/>
Start camera&apos;s network configuration based on this computer&apos;s network settings. It may take up to 1 minute.</source>
        <translation><byte value="xd"/>
このコンピューターのネットワーク設定に基づいて、カメラのネットワーク設定を開始します。完了まで最大1分かかる場合があります。</translation>
    </message>
    <message id="tolvane-178">
        <source>ENGLISH</source>
        <translation>JAPANESE</translation>
    </message>
    <message id="tolvane-179">
        <source><byte value="xd"/>
Preparing network configuration based on this computer&apos;s network settings.</source>
        <translation><byte value="xd"/>
このコンピューターのネットワーク設定に基づいて、ネットワーク設定を準備しています。</translation>
    </message>
    <message id="tolvane-180">
        <source>IPv4 Information</source>
        <translation>IPv4情報</translation>
    </message>
    <message id="tolvane-181">
        <source>IPv6 Information</source>
        <translation>IPv6情報</translation>
    </message>
    <message id="tolvane-182">
        <source>Non regist for IPv6</source>
        <translation>IPv6未登録</translation>
    </message>
    <message id="tolvane-183">
        <source>Auto</source>
        <translation>自動</translation>
    </message>
    <message id="tolvane-184">
        <source>Static</source>
        <translation>固定</translation>
    </message>
    <message id="tolvane-185">
        <source>Internet access</source>
        <translation>インターネットアクセス</translation>
    </message>
    <message id="tolvane-186">
        <source>Local access</source>
        <translation>ローカルアクセス</translation>
    </message>
    <message id="tolvane-187">
        <source>First, select &quot;Automatic Setup (Local Access Only)&quot;.</source>
        <translation>まず「自動設定（ローカルアクセスのみ）」を選択してください。</translation>
    </message>
    <message id="tolvane-188">
        <source>More cameras answered than can be listed; not shown: %1. Set up the listed cameras, disconnect them, and start this program again to list the others.</source>
        <translation>一覧に表示できる数より多くのカメラが応答しました。表示されていないカメラ：%1 台。表示されているカメラを設定してから取り外し、このプログラムを再起動すると残りのカメラが表示されます。</translation>
    </message>
    <message id="tolvane-189">
        <source>Checking %1 …</source>
        <translation>%1 を確認しています…</translation>
    </message>
    <message id="tolvane-190">
        <source>No camera answered: no network interface of this PC is connected. Check the network cable and that the network adapter is switched on.</source>
        <translation>カメラが応答しません：このコンピューターのネットワークインターフェースが接続されていません。LANケーブルと、ネットワークアダプターが有効になっていることを確認してください。</translation>
    </message>
    <message id="tolvane-191">
        <source>No camera answered: network interface %1 is connected but has no IPv4 address. Give it an address in the cameras&apos; network, or connect a DHCP server.</source>
        <translation>カメラが応答しません：ネットワークインターフェース %1 は接続されていますが、IPv4アドレスがありません。カメラのネットワークのアドレスを設定するか、DHCPサーバーを接続してください。</translation>
    </message>
    <message id="tolvane-192">
        <source>No camera answered: network interface %1 has only the automatic address %2 because no DHCP server answered. Give it an address in the cameras&apos; network.</source>
        <translation>カメラが応答しません：DHCPサーバーが応答しないため、ネットワークインターフェース %1 には自動アドレス %2 しかありません。カメラのネットワークのアドレスを設定してください。</translation>
    </message>
    <message id="tolvane-193">
        <source>No camera answered, and the firewalld firewall runs on this PC: it drops the cameras&apos; replies unless they are allowed. Allow them with &quot;%1&quot;, and for good with &quot;%2&quot;.</source>
        <translation>カメラが応答しません。このコンピューターではファイアウォールfirewalldが動作しており、許可しないとカメラの応答を破棄します。「%1」で許可し、「%2」で恒久的に許可してください。</translation>
    </message>
    <message id="tolvane-194">
        <source>No camera answered, and the ufw firewall is enabled on this PC: it may drop the cameras&apos; replies. Allow them with &quot;%1&quot;.</source>
        <translation>カメラが応答しません。このコンピューターではファイアウォールufwが有効になっており、カメラの応答を破棄する場合があります。「%1」で許可してください。</translation>
    </message>
    <message id="tolvane-195">
        <source>No camera answered. Check that the cameras are powered and on this PC&apos;s network segment (routers do not forward the search); a firewall must allow UDP port 10669 from the LAN.</source>
        <translation>カメラが応答しません。カメラの電源が入っていて、このコンピューターと同じネットワークセグメントにあることを確認してください（ルーターは検索を転送しません）。ファイアウォールでは、LANからこのコンピューターのUDPポート10669への受信を許可する必要があります。</translation>
    </message>
    <message id="tolvane-301">
        <source>line %1, column %2 (%3)</source>
        <translation>%1 行目、%2 列目（%3）</translation>
    </message>
    <message id="tolvane-302">
        <source>&apos;%1&apos; is not a MAC address; write 02:00:5E:10:00:01, 02-00-5E-10-00-01 or 12 hexadecimal digits.</source>
        <translation>「%1」はMACアドレスではありません。02:00:5E:10:00:01、02-00-5E-10-00-01、または16進数12桁で指定してください。</translation>
    </message>
    <message id="tolvane-303">
        <source>&apos;%1&apos; is not an IPv4 address (A.B.C.D).</source>
        <translation>「%1」はIPv4アドレス（A.B.C.D）ではありません。</translation>
    </message>
    <message id="tolvane-304">
        <source>&apos;%1&apos; is not an address with a prefix length (A.B.C.D/PREFIX, PREFIX from 0 to 32).</source>
        <translation>「%1」はプレフィックス長付きのアドレス（A.B.C.D/PREFIX、PREFIXは0～32）ではありません。</translation>
    </message>
    <message id="tolvane-305">
        <source>&apos;%1&apos; is not a port number from 1 to 65535.</source>
        <translation>「%1」は1～65535のポート番号ではありません。</translation>
    </message>
    <message id="tolvane-306">
        <source>&apos;%1&apos; is not one of the bandwidth choices: %2.</source>
        <translation>「%1」は帯域の選択肢（%2）のいずれでもありません。</translation>
    </message>
    <message id="tolvane-307">
        <source>&apos;%1&apos; is not a mode: write static, dhcp or leave the cell blank.</source>
        <translation>「%1」はモードではありません。static、dhcp と書くか、空欄にしてください。</translation>
    </message>
    <message id="tolvane-308">
        <source>&apos;%1&apos; is not one or two IPv4 addresses separated by a comma.</source>
        <translation>「%1」はコンマで区切った1つまたは2つのIPv4アドレスではありません。</translation>
    </message>
    <message id="tolvane-309">
        <source>%1 cannot be used with %2.</source>
        <translation>%1 は %2 と同時に使えません。</translation>
    </message>
    <message id="tolvane-310">
        <source>%1 needs %2.</source>
        <translation>%1 には %2 が必要です。</translation>
    </message>
    <message id="tolvane-311">
        <source>&apos;%1&apos; does not pass the check of the manual set-up.</source>
        <translation>「%1」は手動設定のチェックに合格しません。</translation>
    </message>
    <message id="tolvane-312">
        <source>this camera does not take a name.</source>
        <translation>このカメラには名前を設定できません。</translation>
    </message>
    <message id="tolvane-313">
        <source>&apos;%1&apos; is not a column; the columns are %2.</source>
        <translation>「%1」は列名ではありません。列名は %2 です。</translation>
    </message>
    <message id="tolvane-314">
        <source>the header has no &apos;%1&apos; column.</source>
        <translation>ヘッダーに「%1」列がありません。</translation>
    </message>
    <message id="tolvane-315">
        <source>the column &apos;%1&apos; is named twice.</source>
        <translation>列「%1」が2回指定されています。</translation>
    </message>
    <message id="tolvane-316">
        <source>%1 cells where the header names %2.</source>
        <translation>ヘッダーの列数は %2 ですが、この行のセル数は %1 です。</translation>
    </message>
    <message id="tolvane-317">
        <source>a quoted cell is not closed.</source>
        <translation>引用符で囲んだセルが閉じていません。</translation>
    </message>
    <message id="tolvane-318">
        <source>the camera %1 is also on line %2.</source>
        <translation>カメラ %1 は %2 行目にもあります。</translation>
    </message>
    <message id="tolvane-319">
        <source>the address %1 is also on line %2.</source>
        <translation>アドレス %1 は %2 行目にもあります。</translation>
    </message>
    <message id="tolvane-320">
        <source>the address %1 is outside this computer&apos;s subnet %2.</source>
        <translation>アドレス %1 はこのコンピューターのサブネット %2 の外にあります。</translation>
    </message>
    <message id="tolvane-321">
        <source>cannot read the file %1: %2</source>
        <translation>ファイル %1 を読み込めません：%2</translation>
    </message>
    <message id="tolvane-322">
        <source>the file names no camera.</source>
        <translation>ファイルにカメラが1台もありません。</translation>
    </message>
    <message id="tolvane-323">
        <source>another Tolvane is running on this computer and holds the camera port; close it and try again.</source>
        <translation>このコンピューターで別の Tolvane が動作中で、カメラ用ポートを使用しています。終了してからやり直してください。</translation>
    </message>
    <message id="tolvane-324">
        <source>searching for the camera</source>
        <translation>カメラを検索しています</translation>
    </message>
    <message id="tolvane-325">
        <source>found at %1, port %2</source>
        <translation>%1、ポート %2 で見つかりました</translation>
    </message>
    <message id="tolvane-326">
        <source>the camera did not answer within %1 s.</source>
        <translation>カメラが %1 秒以内に応答しませんでした。</translation>
    </message>
    <message id="tolvane-327">
        <source>the settings pass the checks of the manual set-up</source>
        <translation>設定は手動設定のチェックに合格しました</translation>
    </message>
    <message id="tolvane-328">
        <source>checking that no other device answers at %1</source>
        <translation>%1 で他の機器が応答しないことを確認しています</translation>
    </message>
    <message id="tolvane-329">
        <source>%1 is free</source>
        <translation>%1 は空いています</translation>
    </message>
    <message id="tolvane-330">
        <source>another device answers at %1; nothing was sent.</source>
        <translation>%1 で別の機器が応答しています。何も送信していません。</translation>
    </message>
    <message id="tolvane-331">
        <source>sending the set-up</source>
        <translation>設定を送信しています</translation>
    </message>
    <message id="tolvane-332">
        <source>acknowledged; restarting the camera</source>
        <translation>確認応答を受信しました。カメラを再起動しています</translation>
    </message>
    <message id="tolvane-333">
        <source>waiting for the camera to come back</source>
        <translation>カメラの復帰を待っています</translation>
    </message>
    <message id="tolvane-334">
        <source>the camera is back at %1, port %2</source>
        <translation>カメラが %1、ポート %2 で復帰しました</translation>
    </message>
    <message id="tolvane-335">
        <source>verified: the camera reports the new settings</source>
        <translation>確認済み：カメラは新しい設定を報告しています</translation>
    </message>
    <message id="tolvane-336">
        <source>the camera came back without the new settings: %1</source>
        <translation>カメラは復帰しましたが、新しい設定が反映されていません：%1</translation>
    </message>
    <message id="tolvane-337">
        <source>the camera did not acknowledge the set-up; no restart was sent.</source>
        <translation>カメラから設定の確認応答がありませんでした。再起動は送信していません。</translation>
    </message>
    <message id="tolvane-338">
        <source>the camera did not come back in time.</source>
        <translation>カメラが時間内に復帰しませんでした。</translation>
    </message>
    <message id="tolvane-339">
        <source>dry run: every check passed, nothing sent</source>
        <translation>ドライラン：すべてのチェックに合格しました。何も送信していません</translation>
    </message>
    <message id="tolvane-340">
        <source>sending the set-up by MAC address</source>
        <translation>MACアドレス指定の設定を送信しています</translation>
    </message>
    <message id="tolvane-341">
        <source>waiting for the camera to answer at %1</source>
        <translation>カメラが %1 で応答するのを待っています</translation>
    </message>
    <message id="tolvane-342">
        <source>the camera did not answer at %1 in time.</source>
        <translation>カメラが時間内に %1 で応答しませんでした。</translation>
    </message>
    <message id="tolvane-343">
        <source>not run: an earlier camera failed (--stop-on-error).</source>
        <translation>未実行：前のカメラが失敗したため中止しました（--stop-on-error）。</translation>
    </message>
    <message id="tolvane-344">
        <source>Result</source>
        <translation>結果</translation>
    </message>
    <message id="tolvane-345">
        <source>Time</source>
        <translation>時間</translation>
    </message>
    <message id="tolvane-346">
        <source>verified</source>
        <translation>確認済み</translation>
    </message>
    <message id="tolvane-347">
        <source>checked</source>
        <translation>チェック済み</translation>
    </message>
    <message id="tolvane-348">
        <source>invalid input</source>
        <translation>無効な入力</translation>
    </message>
    <message id="tolvane-349">
        <source>not found</source>
        <translation>見つかりません</translation>
    </message>
    <message id="tolvane-350">
        <source>address in use</source>
        <translation>アドレス使用中</translation>
    </message>
    <message id="tolvane-351">
        <source>no acknowledgement</source>
        <translation>確認応答なし</translation>
    </message>
    <message id="tolvane-352">
        <source>timed out</source>
        <translation>タイムアウト</translation>
    </message>
    <message id="tolvane-353">
        <source>not verified</source>
        <translation>未確認</translation>
    </message>
    <message id="tolvane-354">
        <source>not run</source>
        <translation>未実行</translation>
    </message>
    <message id="tolvane-355">
        <source>%1 of %2 cameras succeeded.</source>
        <translation>%2 台中 %1 台が成功しました。</translation>
    </message>
    <message id="tolvane-356">
        <source>the camera came back with IPsec still on.</source>
        <translation>カメラはIPsecが有効のまま復帰しました。</translation>
    </message>
    <message id="tolvane-520">
        <source>cannot create the single-instance lock %1.</source>
        <translation>多重起動を防ぐためのロックファイル %1 を作成できません。</translation>
    </message>
    <message id="tolvane-521">
        <source>cannot receive camera replies: UDP port %1 is not available.</source>
        <translation>カメラの応答を受信できません：UDPポート %1 を使用できません。</translation>
    </message>
    <message id="tolvane-522">
        <source>there is no network interface named &apos;%1&apos;.</source>
        <translation>「%1」という名前のネットワークインターフェースはありません。</translation>
    </message>
    <message id="tolvane-523">
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message id="tolvane-524">
        <source>line %1, column %2</source>
        <translation>%1 行目、%2 列目</translation>
    </message>
    <message id="tolvane-525">
        <source>Try &apos;tolvane --help&apos; for more information.</source>
        <translation>詳しくは「tolvane --help」を実行してください。</translation>
    </message>
    <message id="tolvane-526">
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>「%1」は不明なオプションです。</translation>
    </message>
    <message id="tolvane-527">
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>「%1」の後に値がありません。</translation>
    </message>
    <message id="tolvane-528">
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>「%1」には値を指定できません。</translation>
    </message>
    <message id="tolvane-529">
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>「%1」は余分な引数です。</translation>
    </message>
    <message id="tolvane-530">
        <source>Unknown language &apos;%1&apos;: use en, ja, fr or zh_CN.</source>
        <translation>「%1」は不明な言語です。en、ja、fr、zh_CN のいずれかを指定してください。</translation>
    </message>
    <message id="tolvane-531">
        <source>The interface name is empty.</source>
        <translation>ネットワークインターフェース名が空です。</translation>
    </message>
    <message id="tolvane-532">
        <source>--seconds and --json only go with --list, --setup, --setup-by-mac or --apply.</source>
        <translation>--seconds と --json は、--list、--setup、--setup-by-mac、--apply のいずれかと一緒にしか使えません。</translation>
    </message>
    <message id="tolvane-533">
        <source>--seconds takes a whole number from 1 to %1, not &apos;%2&apos;.</source>
        <translation>--seconds には 1～%1 の整数を指定してください。「%2」は使えません。</translation>
    </message>
    <message id="tolvane-534">
        <source>Usage: %1 [options]</source>
        <translation>使い方：%1 [オプション]</translation>
    </message>
    <message id="tolvane-535">
        <source>Finds the network cameras on this computer&apos;s Ethernet segment and gives them their network settings.</source>
        <translation>このコンピューターと同じイーサネットセグメントにあるネットワークカメラを検索し、ネットワーク設定を行います。</translation>
    </message>
    <message id="tolvane-536">
        <source>Exit status of a set-up: 0 verified (or, with --dry-run, every check passed), 1 no acknowledgement, time-out or the camera came back without the new settings (with --apply: any camera failed), 2 invalid input, 3 camera not found, 4 address in use, 5 another instance runs.</source>
        <translation>設定時の終了ステータス：0＝確認済み（--dry-run では、すべてのチェックに合格）、1＝確認応答なし・タイムアウト・カメラが新しい設定を反映せずに復帰（--apply では、いずれかのカメラが失敗）、2＝無効な入力、3＝カメラが見つからない、4＝アドレス使用中、5＝別の Tolvane が動作中。</translation>
    </message>
    <message id="tolvane-537">
        <source>Options:</source>
        <translation>オプション：</translation>
    </message>
    <message id="tolvane-538">
        <source>Show this help and exit.</source>
        <translation>このヘルプを表示して終了します。</translation>
    </message>
    <message id="tolvane-539">
        <source>Show the version and exit.</source>
        <translation>バージョンを表示して終了します。</translation>
    </message>
    <message id="tolvane-540">
        <source>Interface language: en, ja, fr or zh_CN (default: from the locale).</source>
        <translation>表示言語：en、ja、fr、zh_CN のいずれか（既定値：ロケールに従う）。</translation>
    </message>
    <message id="tolvane-541">
        <source>Use only the network interface &lt;name&gt; for this computer&apos;s address and for the camera traffic.</source>
        <translation>このコンピューターのアドレスとカメラとの通信に、ネットワークインターフェース &lt;name&gt; だけを使います。</translation>
    </message>
    <message id="tolvane-542">
        <source>Without a window: search for cameras, then print one line per camera (number, MAC address, IPv4 address, port, status and, when several interfaces are searched, the interface, separated by tabs).</source>
        <translation>ウィンドウを開かずにカメラを検索し、カメラごとに1行を出力します（番号、MACアドレス、IPv4アドレス、ポート、状態、および複数のインターフェースを検索した場合はインターフェースを、タブで区切って）。</translation>
    </message>
    <message id="tolvane-543">
        <source>With --list: search for &lt;n&gt; seconds (default %1). With a set-up: wait at most &lt;n&gt; seconds for the camera to answer the search.</source>
        <translation>--list では &lt;n&gt; 秒間検索します（既定値 %1）。設定では、カメラが検索に応答するまで最大 &lt;n&gt; 秒待ちます。</translation>
    </message>
    <message id="tolvane-544">
        <source>With --list: print a JSON object with the cameras (row texts, interface and raw fields), how many answered but did not fit in the list and, when none answered, why. With a set-up: print the result and the camera&apos;s last record as JSON.</source>
        <translation>--list では、カメラ（行のテキスト、インターフェース、生のフィールド）、応答したが一覧に入らなかった台数、およびカメラが応答しなかった場合はその理由を含むJSONオブジェクトを出力します。設定では、結果とカメラの最後のレコードをJSONで出力します。</translation>
    </message>
    <message id="tolvane-545">
        <source>With --list: print CSV, first the columns of an --apply file, then those of --json.</source>
        <translation>--list では CSV を出力します。先に --apply 用ファイルの列、続いて --json の列です。</translation>
    </message>
    <message id="tolvane-546">
        <source>Without a window: search for the camera with the MAC address &lt;mac&gt; (02:00:5E:10:00:01, 02-00-5E-10-00-01 or 02005E100001) and give it the settings below, as the manual set-up does; the settings not given keep the values the manual set-up opens with. Example: --setup 02:00:5E:10:00:01 --static 10.77.0.150/24 --gateway 10.77.0.1</source>
        <translation>ウィンドウを開かずに、MACアドレス &lt;mac&gt;（02:00:5E:10:00:01、02-00-5E-10-00-01 または 02005E100001）のカメラを検索し、手動設定と同じように以下の設定を行います。指定しない設定は、手動設定を開いたときの値のままです。例：--setup 02:00:5E:10:00:01 --static 10.77.0.150/24 --gateway 10.77.0.1</translation>
    </message>
    <message id="tolvane-547">
        <source>Without a window: give a camera that does not answer searches an address by the by-MAC request (needs --static; --gateway and --dns default to this computer&apos;s). Example: --setup-by-mac 02005E100001 --static 10.77.0.160/24</source>
        <translation>ウィンドウを開かずに、検索に応答しないカメラにMACアドレス指定の要求でアドレスを設定します（--static が必要。--gateway と --dns の既定値はこのコンピューターの設定）。例：--setup-by-mac 02005E100001 --static 10.77.0.160/24</translation>
    </message>
    <message id="tolvane-548">
        <source>Without a window: set up the cameras of the CSV file &lt;file&gt;, one after the other. Its header is mac,mode,address,gateway,dns1,dns2,port,name; a blank cell keeps the camera&apos;s value. Example: --apply site.csv --dry-run</source>
        <translation>ウィンドウを開かずに、CSVファイル &lt;file&gt; のカメラを1台ずつ順に設定します。ヘッダーは mac,mode,address,gateway,dns1,dns2,port,name です。空欄のセルはカメラの値のままです。例：--apply site.csv --dry-run</translation>
    </message>
    <message id="tolvane-549">
        <source>Static addressing with the address and prefix length &lt;address/prefix&gt;, e.g. 192.168.0.50/24.</source>
        <translation>アドレスとプレフィックス長 &lt;address/prefix&gt; による固定アドレス（例：192.168.0.50/24）。</translation>
    </message>
    <message id="tolvane-550">
        <source>Static addressing with the IPv4 address &lt;address&gt;.</source>
        <translation>IPv4アドレス &lt;address&gt; による固定アドレス。</translation>
    </message>
    <message id="tolvane-551">
        <source>Static addressing with the subnet mask &lt;mask&gt;, e.g. 255.255.255.0.</source>
        <translation>サブネットマスク &lt;mask&gt; による固定アドレス（例：255.255.255.0）。</translation>
    </message>
    <message id="tolvane-552">
        <source>The default gateway, e.g. 192.168.0.1.</source>
        <translation>デフォルトゲートウェイ（例：192.168.0.1）。</translation>
    </message>
    <message id="tolvane-553">
        <source>The DNS servers: --dns A sets the first and keeps the second, --dns A,B sets both.</source>
        <translation>DNSサーバー：--dns A は1台目を設定して2台目をそのままにし、--dns A,B は両方を設定します。</translation>
    </message>
    <message id="tolvane-554">
        <source>DHCP addressing.</source>
        <translation>DHCPでアドレスを取得します。</translation>
    </message>
    <message id="tolvane-555">
        <source>The camera&apos;s web port &lt;n&gt;, 1 to 65535.</source>
        <translation>カメラのWebポート &lt;n&gt;（1～65535）。</translation>
    </message>
    <message id="tolvane-556">
        <source>The camera name &lt;text&gt; (at most 15 bytes).</source>
        <translation>カメラ名 &lt;text&gt;（最大15バイト）。</translation>
    </message>
    <message id="tolvane-557">
        <source>The host name &lt;text&gt; (at most 63 characters).</source>
        <translation>ホスト名 &lt;text&gt;（最大63文字）。</translation>
    </message>
    <message id="tolvane-558">
        <source>The bandwidth limit in Mbit/s: 0.1, 0.2, 0.3, 0.5, 1 or unlimited.</source>
        <translation>帯域制限（Mbit/s）：0.1、0.2、0.3、0.5、1、unlimited のいずれか。</translation>
    </message>
    <message id="tolvane-559">
        <source>Instead of settings: the re-setup to the default local settings (192.168.0.253/24).</source>
        <translation>設定の代わりに：初期のローカル設定（192.168.0.253/24）に再設定します。</translation>
    </message>
    <message id="tolvane-560">
        <source>Instead of settings: turn the camera&apos;s IPsec off.</source>
        <translation>設定の代わりに：カメラのIPsecを無効にします。</translation>
    </message>
    <message id="tolvane-561">
        <source>Run every check (settings, file, address in use, camera present) and send no set-up.</source>
        <translation>すべてのチェック（設定、ファイル、アドレスの使用状況、カメラの有無）を行い、設定は送信しません。</translation>
    </message>
    <message id="tolvane-562">
        <source>With --apply: stop at the first camera that fails.</source>
        <translation>--apply では、最初に失敗したカメラで中止します。</translation>
    </message>
</context>
</TS>
