<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="pl">
<context>
    <name>ArchiveListModel</name>
    <message>
        <source>Programowanie</source>
        <translation>Programming</translation>
    </message>
    <message>
        <source>Porównanie</source>
        <translation>Compare</translation>
    </message>
    <message>
        <source>Odczyt</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Data i godzina</source>
        <translation>Date and time</translation>
    </message>
    <message>
        <source>Operacja</source>
        <translation>Operation</translation>
    </message>
    <message>
        <source>Nazwa ustawień</source>
        <translation>Settings name</translation>
    </message>
    <message>
        <source>Wersja modułu</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Wynik</source>
        <translation>Result</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Dokumenty PDF (*.pdf)</source>
        <translation>PDF documents (*.pdf)</translation>
    </message>
</context>
<context>
    <name>FilesPage</name>
    <message>
        <source> Ustawienia </source>
        <translation> Settings </translation>
    </message>
    <message>
        <source>Nowy</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Reset ustawień.</source>
        <translation>Reset the settings.</translation>
    </message>
    <message>
        <source>Drukuj</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Wydruk ustawień.</source>
        <translation>Print the settings.</translation>
    </message>
    <message>
        <source> Operacje dyskowe </source>
        <translation> Disk operations </translation>
    </message>
    <message>
        <source>Odczytaj</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Wprowadza do programu ustawienia zapisane wcześniej na dysku.</source>
        <translation>Loads settings saved on disk earlier.</translation>
    </message>
    <message>
        <source>Zapisz</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Zapisuje bieżące ustawienia na dysk do ich późniejszego odtworzenia.</source>
        <translation>Saves the current settings to disk to be loaded again later.</translation>
    </message>
    <message>
        <source>Zapisz jako</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>Zapisuje bieżące ustawienia na dysk pod wskazaną nazwą.</source>
        <translation>Saves the current settings to disk under a name you choose.</translation>
    </message>
    <message>
        <source>Archiwum</source>
        <translation>Archive</translation>
    </message>
    <message>
        <source>Transmisje z modułami.</source>
        <translation>Transfers with modules.</translation>
    </message>
    <message>
        <source>Zapisz jako PDF</source>
        <translation>Save as PDF</translation>
    </message>
    <message>
        <source>Wydruk do pliku PDF.</source>
        <translation>Printout to a PDF file.</translation>
    </message>
</context>
<context>
    <name>InputsPage</name>
    <message>
        <source>Wejścia modułu</source>
        <translation>Module inputs</translation>
    </message>
    <message>
        <source> Konfiguracja wejścia modułu </source>
        <translation> Input configuration </translation>
    </message>
    <message>
        <source>Komentarz użytkownika</source>
        <translation>User comment</translation>
    </message>
    <message>
        <source>Blokowane</source>
        <translation>Lockable</translation>
    </message>
    <message>
        <source>Funkcja</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Numer telefonu</source>
        <translation>Phone number</translation>
    </message>
    <message>
        <source>Treść SMS</source>
        <translation>SMS text</translation>
    </message>
    <message>
        <source>Rozwarcie - Praca dozwolona</source>
        <translation>Open - Module enabled</translation>
    </message>
    <message>
        <source>Zwarcie - Zablokowanie modułu</source>
        <translation>Closed - Module locked</translation>
    </message>
    <message>
        <source> Opis wejścia modułu </source>
        <translation> Input description </translation>
    </message>
    <message>
        <source>. . .</source>
        <translation>. . .</translation>
    </message>
    <message>
        <source>Rozwarte - Czujnik NO wyłączony / Czujnik NC załączony.</source>
        <translation>Open - NO sensor off / NC sensor on.</translation>
    </message>
    <message>
        <source>Zwarte do masy - Czujnik NO załączony / Czujnik NC wyłączony.</source>
        <translation>Closed to ground - NO sensor on / NC sensor off.</translation>
    </message>
    <message>
        <source>Rozwarcie - Rozwarte</source>
        <translation>Opening - Open</translation>
    </message>
    <message>
        <source>Zwarcie - Zwarte do masy</source>
        <translation>Closing - Closed to ground</translation>
    </message>
    <message>
        <source>Wejście 1 - Blokada pracy modułu  (zwierne do masy 0V).</source>
        <translation>Input 1 - Module lock  (active when closed to ground 0V).</translation>
    </message>
    <message>
        <source>Rozwarte - Moduł reaguje na zmiany sygnałów na pozostałych wejściach.</source>
        <translation>Open - the module responds to changes on the other inputs.</translation>
    </message>
    <message>
        <source>Zwarte do masy - Moduł ignoruje zmiany sygnałów na pozostałych wejściach.</source>
        <translation>Closed to ground - the module ignores changes on the other inputs.</translation>
    </message>
    <message>
        <source>Wejście 2 - Kontrola napięcia akumulatora  (zwierne do +12V).</source>
        <translation>Input 2 - Battery voltage monitoring  (active when closed to +12V).</translation>
    </message>
    <message>
        <source>Napięcie poniżej 10,4V (rozwarte) - niskie napięcie akumulatora.</source>
        <translation>Below 10.4V (open) - battery low.</translation>
    </message>
    <message>
        <source>Napięcie powyżej 10,4V (zwarte do +12V) - napięcie akumulatora właściwe.</source>
        <translation>Above 10.4V (closed to +12V) - battery OK.</translation>
    </message>
    <message>
        <source>Rozwarcie - Awaria akumulatora</source>
        <translation>Opening - Battery failure</translation>
    </message>
    <message>
        <source>Zwarcie - Napięcie właściwe</source>
        <translation>Closing - Battery OK</translation>
    </message>
    <message>
        <source>Wejście 3 - Alarm aktywny  (zwierne do +12V).</source>
        <translation>Input 3 - Alarm active  (active when closed to +12V).</translation>
    </message>
    <message>
        <source>Napięcie poniżej 7V (rozwarte) - stan normalny systemu.</source>
        <translation>Below 7V (open) - system normal.</translation>
    </message>
    <message>
        <source>Napięcie powyżej 7V (zwarte do +12V) - alarmowanie aktywne.</source>
        <translation>Above 7V (closed to +12V) - alarm in progress.</translation>
    </message>
    <message>
        <source>Rozwarcie - Koniec alarmu</source>
        <translation>Opening - Alarm ended</translation>
    </message>
    <message>
        <source>Zwarcie - Alarm uaktywniony</source>
        <translation>Closing - Alarm triggered</translation>
    </message>
    <message>
        <source>Wejście 4 - Uniwersalne nr 1  (zwierne do masy 0V).</source>
        <translation>Input 4 - Universal no. 1  (active when closed to ground 0V).</translation>
    </message>
    <message>
        <source>Wejście 5 - Uniwersalne nr 2  (zwierne do masy 0V).</source>
        <translation>Input 5 - Universal no. 2  (active when closed to ground 0V).</translation>
    </message>
    <message>
        <source>Wejście 6 - Uniwersalne nr 3  (zwierne do masy 0V).</source>
        <translation>Input 6 - Universal no. 3  (active when closed to ground 0V).</translation>
    </message>
    <message>
        <source>Wejście 7 - Uniwersalne nr 4  (zwierne do masy 0V).</source>
        <translation>Input 7 - Universal no. 4  (active when closed to ground 0V).</translation>
    </message>
</context>
<context>
    <name>ModuleFinderDialog</name>
    <message>
        <source>Szukanie modułu</source>
        <translation>Finding the module</translation>
    </message>
    <message>
        <source> Postęp szukania </source>
        <translation> Search progress </translation>
    </message>
    <message>
        <source>Postęp szukania modułu</source>
        <translation>Module search progress</translation>
    </message>
    <message>
        <source>Przerwij</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Przerwij szukanie modułu</source>
        <translation>Stop the module search</translation>
    </message>
    <message>
        <source>, ... (razem %1)</source>
        <translation>, ... (%1 in all)</translation>
    </message>
    <message>
        <source> (%1 z %2)...</source>
        <translation> (%1 of %2)...</translation>
    </message>
    <message>
        <source>Sprawdzanie portu </source>
        <translation>Checking port </translation>
    </message>
    <message>
        <source>Przerywanie szukania...</source>
        <translation>Stopping the search...</translation>
    </message>
    <message>
        <source>Nie wykryto żadnego portu szeregowego.</source>
        <translation>No serial port found.</translation>
    </message>
    <message>
        <source>Sprawdź podłączenie kabla.</source>
        <translation>Check the cable connection.</translation>
    </message>
    <message>
        <source>Sprawdź podłączenie kabla i zasilanie modułu.</source>
        <translation>Check the cable connection and the module power supply.</translation>
    </message>
    <message>
        <source>Moduł nie odpowiedział na żadnym porcie: %1.</source>
        <translation>The module did not answer on any port: %1.</translation>
    </message>
</context>
<context>
    <name>ModulePage</name>
    <message>
        <source> Programowanie modułu </source>
        <translation> Programming the module </translation>
    </message>
    <message>
        <source>Programuj</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>PIN wymagany do odczytu</source>
        <translation>PIN required to read</translation>
    </message>
    <message>
        <source>ustawień z modułu</source>
        <translation>settings from the module</translation>
    </message>
    <message>
        <source>PIN wymagany do odczytu ustawień z modułu</source>
        <translation>PIN required to read settings from the module</translation>
    </message>
    <message>
        <source> Komunikacja </source>
        <translation> Communication </translation>
    </message>
    <message>
        <source>Typ portu transmisji z modułem</source>
        <translation>Type of the port to the module</translation>
    </message>
    <message>
        <source>Numer portu transmisji z modułem</source>
        <translation>Number of the port to the module</translation>
    </message>
    <message>
        <source> Operacje </source>
        <translation> Operations </translation>
    </message>
    <message>
        <source>Porównanie pamięci modułu z ustawieniami</source>
        <translation>Compare the module memory with the settings</translation>
    </message>
    <message>
        <source>Odczyt ustawień z modułu do programu</source>
        <translation>Read the settings from the module</translation>
    </message>
    <message>
        <source>Szukaj modułu</source>
        <translation>Find module</translation>
    </message>
    <message>
        <source>Sprawdza po kolei wszystkie porty szeregowe i wybiera ten, na którym odpowie moduł</source>
        <translation>Tries every serial port in turn and selects the one the module answers on</translation>
    </message>
    <message>
        <source>Szukaj modułu na wszystkich portach szeregowych</source>
        <translation>Find the module on all serial ports</translation>
    </message>
    <message>
        <source>Port i znaleziony moduł</source>
        <translation>Port and module found</translation>
    </message>
    <message>
        <source>Moduł V%1.%2</source>
        <translation>Module %1.%2</translation>
    </message>
    <message>
        <source>, typ %1</source>
        <translation>, type %1</translation>
    </message>
    <message>
        <source>Program nie obsługuje tej wersji modułu!</source>
        <translation>This module version is not supported!</translation>
    </message>
    <message>
        <source>Port: %1</source>
        <translation>Port: %1</translation>
    </message>
</context>
<context>
    <name>OutputPage</name>
    <message>
        <source> Parametry pracy wyjścia </source>
        <translation> Output operation </translation>
    </message>
    <message>
        <source>Załączaj wyjście przy aktywacji wejścia alarmowego</source>
        <translation>Switch the output on when the alarm input activates</translation>
    </message>
    <message>
        <source>Załączaj wyjście przy rozwarciu wejścia 4 lub 5 lub 6 lub 7.</source>
        <translation>Switch the output on when input 4, 5, 6 or 7 opens.</translation>
    </message>
    <message>
        <source>Kod załączający wyjście</source>
        <translation>Output switch-on code</translation>
    </message>
    <message>
        <source>Wyłączaj wyjście dzwonieniem do modułu</source>
        <translation>Switch the output off by calling the module</translation>
    </message>
    <message>
        <source>Wyłączaj wyjście po czasie</source>
        <translation>Switch the output off after a time</translation>
    </message>
    <message>
        <source>Wyłączaj wyjście po czasie [sek.]</source>
        <translation>Switch the output off after [s]</translation>
    </message>
    <message>
        <source>[sek.]</source>
        <translation>[s]</translation>
    </message>
    <message>
        <source>Kod wyłączający wyjście</source>
        <translation>Output switch-off code</translation>
    </message>
    <message>
        <source>(Dla modułu w wersji V1.0 można wybrać tylko jedną funkcję - załączenie lub wyłączenie)</source>
        <translation>(A V1.0 module takes only one of the two codes - switch-on or switch-off)</translation>
    </message>
</context>
<context>
    <name>RingPage</name>
    <message>
        <source> Połączenia wychodzące </source>
        <translation> Outgoing calls </translation>
    </message>
    <message>
        <source>Czas wywoływania (dzwonienia)</source>
        <translation>Ringing time</translation>
    </message>
    <message>
        <source>[sek.]</source>
        <translation>[s]</translation>
    </message>
    <message>
        <source>Ilość dzwonień</source>
        <translation>Number of calls</translation>
    </message>
    <message>
        <source>Odstęp między kolejnymi dzwonieniami</source>
        <translation>Interval between calls</translation>
    </message>
    <message>
        <source>[szt.]</source>
        <translation>[qty]</translation>
    </message>
    <message>
        <source> Połączenia przychodzące </source>
        <translation> Incoming calls </translation>
    </message>
    <message>
        <source>(Dostępne od wersji V1.1 modułu)</source>
        <translation>(Module V1.1 and later)</translation>
    </message>
    <message>
        <source>Odrzuć połączenie po</source>
        <translation>Reject the call after</translation>
    </message>
    <message>
        <source>Odrzuć połączenie po [sek.]</source>
        <translation>Reject the call after [s]</translation>
    </message>
    <message>
        <source>Odbierz połączenie</source>
        <translation>Answer the call</translation>
    </message>
</context>
<context>
    <name>SimPage</name>
    <message>
        <source> Ustawienia karty SIM znajdującej się w telefonie współpracującym z modułem </source>
        <translation> SIM card in the phone connected to the module </translation>
    </message>
    <message>
        <source>Czterocyfrowy kod PIN karty SIM</source>
        <translation>Four-digit SIM card PIN</translation>
    </message>
    <message>
        <source>Numer centrum SMS operatora sieci GSM/DCS</source>
        <translation>SMS centre number of the GSM/DCS network</translation>
    </message>
    <message>
        <source>Automatyczne wstawienie numeru centrum SMS dla operatora:</source>
        <translation>Fill in the SMS centre number of the network:</translation>
    </message>
    <message>
        <source>EraGSM</source>
        <translation>EraGSM</translation>
    </message>
    <message>
        <source>PlusGSM</source>
        <translation>PlusGSM</translation>
    </message>
    <message>
        <source>Idea</source>
        <translation>Idea</translation>
    </message>
</context>
<context>
    <name>SmsPage</name>
    <message>
        <source> Zabezpieczenie przed nadmierną ilością wysyłanych wiadomości SMS </source>
        <translation> Limit on the number of SMS messages sent </translation>
    </message>
    <message>
        <source>Wysyłaj maksymalnie</source>
        <translation>Send at most</translation>
    </message>
    <message>
        <source>wiadomości SMS w ciągu</source>
        <translation>SMS messages within</translation>
    </message>
    <message>
        <source>wiadomości SMS w ciągu godzin(y).</source>
        <translation>SMS messages within hour(s).</translation>
    </message>
    <message>
        <source>godzin(y).</source>
        <translation>hour(s).</translation>
    </message>
    <message>
        <source> Zaawansowane ustawienia wysyłania wiadomości SMS </source>
        <translation> Advanced SMS sending settings </translation>
    </message>
    <message>
        <source>Czas oczekiwania na potwierdzenie przyjęcia SMS przez sieć GSM/DCS</source>
        <translation>Time to wait for the network to confirm an SMS</translation>
    </message>
    <message>
        <source>[sek.]</source>
        <translation>[s]</translation>
    </message>
    <message>
        <source>Ilość prób przesłania wiadomości SMS przy braku potwierdzenia</source>
        <translation>Attempts to send an SMS without confirmation</translation>
    </message>
    <message>
        <source>[szt.]</source>
        <translation>[qty]</translation>
    </message>
</context>
<context>
    <name>TFArchive</name>
    <message>
        <source>Archiwum transmisji</source>
        <translation>Transfer archive</translation>
    </message>
    <message>
        <source> Transmisje z modułami </source>
        <translation> Transfers with modules </translation>
    </message>
    <message>
        <source>Nazwa ustawień zawiera:</source>
        <translation>Settings name contains:</translation>
    </message>
    <message>
        <source>Nazwa ustawień zawiera</source>
        <translation>Settings name contains</translation>
    </message>
    <message>
        <source>Wpisy archiwum</source>
        <translation>Archive entries</translation>
    </message>
    <message>
        <source> Różnice ustawień </source>
        <translation> Settings differences </translation>
    </message>
    <message>
        <source>Różnice ustawień</source>
        <translation>Settings differences</translation>
    </message>
    <message>
        <source>Wczytaj ustawienia</source>
        <translation>Load settings</translation>
    </message>
    <message>
        <source>Porównaj z programem</source>
        <translation>Compare with program</translation>
    </message>
    <message>
        <source>Otwórz folder</source>
        <translation>Open folder</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Wprowadza do programu ustawienia wybranego wpisu.</source>
        <translation>Loads the chosen entry's settings into the program.</translation>
    </message>
    <message>
        <source>Pokazuje różnice między ustawieniami w programie a ustawieniami wybranego wpisu.</source>
        <translation>Shows how the program's settings differ from the chosen entry's.</translation>
    </message>
    <message>
        <source>Otwiera folder wybranego wpisu.</source>
        <translation>Opens the chosen entry's folder.</translation>
    </message>
    <message>
        <source>Archiwum nie zawiera jeszcze żadnej transmisji.</source>
        <translation>The archive holds no transfers yet.</translation>
    </message>
    <message>
        <source>Ten wpis nie zawiera ustawień.</source>
        <translation>This entry holds no settings.</translation>
    </message>
    <message>
        <source>Ustawienia w programie i w archiwum jednakowe.</source>
        <translation>The settings in the program and in the archive are the same.</translation>
    </message>
    <message>
        <source>Różnice ustawień (w programie -&gt; w archiwum):</source>
        <translation>Settings differences (program -&gt; archive):</translation>
    </message>
    <message>
        <source>Nie można otworzyć folderu wpisu.</source>
        <translation>Cannot open the entry's folder.</translation>
    </message>
</context>
<context>
    <name>TFAsk</name>
    <message>
        <source>Ask</source>
        <translation>Ask</translation>
    </message>
    <message>
        <source>Label1</source>
        <translation>Label1</translation>
    </message>
    <message>
        <source>Label2</source>
        <translation>Label2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Nie</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TFInput</name>
    <message>
        <source>PIN modułu</source>
        <translation>Module PIN</translation>
    </message>
    <message>
        <source>Wprowadź 4-ro cyfrowy kod dostępu do modułu</source>
        <translation>Enter the 4-digit access code of the module</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TFMain</name>
    <message>
        <source>GSM</source>
        <translation>GSM</translation>
    </message>
    <message>
        <source>1.Pliki</source>
        <translation>1.Files</translation>
    </message>
    <message>
        <source>2.SIM</source>
        <translation>2.SIM</translation>
    </message>
    <message>
        <source>3.Wejścia</source>
        <translation>3.Inputs</translation>
    </message>
    <message>
        <source>4.Wyjście</source>
        <translation>4.Output</translation>
    </message>
    <message>
        <source>5.SMS</source>
        <translation>5.SMS</translation>
    </message>
    <message>
        <source>6.TEST</source>
        <translation>6.TEST</translation>
    </message>
    <message>
        <source>7.RING </source>
        <translation>7.RING </translation>
    </message>
    <message>
        <source>8.Moduł</source>
        <translation>8.Module</translation>
    </message>
    <message>
        <source> Nazwa ustawień: </source>
        <translation> Settings name: </translation>
    </message>
    <message>
        <source>Czy na pewno chcesz zakończyć pracę programu?</source>
        <translation>Are you sure you want to exit the program?</translation>
    </message>
    <message>
        <source>Czy zapisać aktualne ustawienia na dysk?</source>
        <translation>Save the current settings to disk?</translation>
    </message>
    <message>
        <source>Opcja ta spowoduje usunięcie bieżących ustawień!</source>
        <translation>This will clear the current settings!</translation>
    </message>
    <message>
        <source>Czy potwierdzasz jej wykonanie?</source>
        <translation>Do you want to continue?</translation>
    </message>
    <message>
        <source>Brak na dysku pliku o wskazanej nazwie.</source>
        <translation>There is no file of that name on the disk.</translation>
    </message>
    <message>
        <source>Ustawienia nie zostały załadowane.</source>
        <translation>The settings were not loaded.</translation>
    </message>
    <message>
        <source>Plik o takiej nazwie już istnieje!</source>
        <translation>A file of that name already exists!</translation>
    </message>
    <message>
        <source>Czy na pewno mam go zastąpić nowym?</source>
        <translation>Do you want to replace it?</translation>
    </message>
    <message>
        <source>Czy wykonać wydruk ustawień?</source>
        <translation>Print the settings?</translation>
    </message>
    <message>
        <source>Brak dostępnej drukarki.</source>
        <translation>No printer available.</translation>
    </message>
    <message>
        <source>Wydruk można zapisać do pliku przyciskiem „Zapisz jako PDF”.</source>
        <translation>The printout can be saved to a file with "Save as PDF".</translation>
    </message>
</context>
<context>
    <name>TFSplash</name>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
</context>
<context>
    <name>TFTervola</name>
    <message>
        <source>Programowanie</source>
        <translation>Programming</translation>
    </message>
    <message>
        <source> Postęp programowania </source>
        <translation> Progress </translation>
    </message>
    <message>
        <source>Powtórz</source>
        <translation>Repeat</translation>
    </message>
    <message>
        <source>Przerwij</source>
        <translation>Stop</translation>
    </message>
</context>
<context>
    <name>TestPage</name>
    <message>
        <source> Samoczynne, okresowe wysyłanie informacji </source>
        <translation> Automatic periodic test reports </translation>
    </message>
    <message>
        <source>Wysyłaj co</source>
        <translation>Send every</translation>
    </message>
    <message>
        <source>Wysyłaj co ... godzin(y) +</source>
        <translation>Send every ... hour(s) +</translation>
    </message>
    <message>
        <source>godzin(y) +</source>
        <translation>hour(s) +</translation>
    </message>
    <message>
        <source>godzin(y) + ... [x10 minut]</source>
        <translation>hour(s) + ... [x10 minutes]</translation>
    </message>
    <message>
        <source>[x10 minut]</source>
        <translation>[x10 minutes]</translation>
    </message>
    <message>
        <source> Okresowe zdarzenie numer 1 </source>
        <translation> Periodic event 1 </translation>
    </message>
    <message>
        <source>Funkcja</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Numer telefonu</source>
        <translation>Phone number</translation>
    </message>
    <message>
        <source>Treść wiadomości SMS</source>
        <translation>SMS text</translation>
    </message>
    <message>
        <source> Okresowe zdarzenie numer 2 </source>
        <translation> Periodic event 2 </translation>
    </message>
</context>
<context>
    <name>brenvox</name>
    <message>
        <source>Pin6 - We1 - Blokada</source>
        <translation>Pin6 - In1 - Lock</translation>
    </message>
    <message>
        <source>Pin7 - We2 - Akumulator</source>
        <translation>Pin7 - In2 - Battery</translation>
    </message>
    <message>
        <source>Pin8 - We3 - Alarm</source>
        <translation>Pin8 - In3 - Alarm</translation>
    </message>
    <message>
        <source>Pin9 - We4 - Uniwersalne 1</source>
        <translation>Pin9 - In4 - Universal 1</translation>
    </message>
    <message>
        <source>Pin10 - We5 - Uniwersalne 2</source>
        <translation>Pin10 - In5 - Universal 2</translation>
    </message>
    <message>
        <source>Pin11 - We6 - Uniwersalne 3</source>
        <translation>Pin11 - In6 - Universal 3</translation>
    </message>
    <message>
        <source>Pin12 - We7 - Uniwersalne 4</source>
        <translation>Pin12 - In7 - Universal 4</translation>
    </message>
    <message>
        <source>Niewykorzystane</source>
        <translation>Not used</translation>
    </message>
    <message>
        <source>Wyślij wiadomość - SMS</source>
        <translation>Send a message - SMS</translation>
    </message>
    <message>
        <source>Zadzwoń - RING</source>
        <translation>Call - RING</translation>
    </message>
    <message>
        <source>Pin9 - We4 - Uniwersalne1</source>
        <translation>Pin9 - In4 - Universal1</translation>
    </message>
    <message>
        <source>Pin10 - We5 - Uniwersalne2</source>
        <translation>Pin10 - In5 - Universal2</translation>
    </message>
    <message>
        <source>Pin11 - We6 - Uniwersalne3</source>
        <translation>Pin11 - In6 - Universal3</translation>
    </message>
    <message>
        <source>Pin12 - We7 - Uniwersalne4</source>
        <translation>Pin12 - In7 - Universal4</translation>
    </message>
    <message>
        <source>Opis: %1</source>
        <translation>Description: %1</translation>
    </message>
    <message>
        <source>Funkcja: %1</source>
        <translation>Action: %1</translation>
    </message>
    <message>
        <source>Funkcja: Wysłanie SMS</source>
        <translation>Action: Send SMS</translation>
    </message>
    <message>
        <source>Telefon: %1</source>
        <translation>Phone: %1</translation>
    </message>
    <message>
        <source>Treść: %1</source>
        <translation>Text: %1</translation>
    </message>
    <message>
        <source>Funkcja: Wysłanie RING</source>
        <translation>Action: Call (RING)</translation>
    </message>
    <message>
        <source>Reaguje na: rozwarcie</source>
        <translation>Triggered by: opening</translation>
    </message>
    <message>
        <source>Reaguje na: zwarcie</source>
        <translation>Triggered by: closing</translation>
    </message>
    <message>
        <source>Funkcja: niewykorzystane</source>
        <translation>Action: not used</translation>
    </message>
    <message>
        <source>Numer telefonu: %1</source>
        <translation>Phone number: %1</translation>
    </message>
    <message>
        <source>Data wydruku: %1</source>
        <translation>Printed on: %1</translation>
    </message>
    <message>
        <source>Nazwa ustawień: %1</source>
        <translation>Settings name: %1</translation>
    </message>
    <message>
        <source>*** SIM ***</source>
        <translation>*** SIM ***</translation>
    </message>
    <message>
        <source>PIN: %1</source>
        <translation>PIN: %1</translation>
    </message>
    <message>
        <source>Centrum SMS: %1</source>
        <translation>SMS centre: %1</translation>
    </message>
    <message>
        <source>*** Wejścia ***</source>
        <translation>*** Inputs ***</translation>
    </message>
    <message>
        <source>*** Wyjście ***</source>
        <translation>*** Output ***</translation>
    </message>
    <message>
        <source>Załączaj wyjście przy aktywacji wejścia alarmowego</source>
        <translation>Switch the output on when the alarm input activates</translation>
    </message>
    <message>
        <source>Załączaj wyjście przy rozwarciu wejścia 4 lub 5 lub 6 lub 7</source>
        <translation>Switch the output on when input 4, 5, 6 or 7 opens</translation>
    </message>
    <message>
        <source>Wyłączaj wyjście dzwonieniem do modułu</source>
        <translation>Switch the output off by calling the module</translation>
    </message>
    <message>
        <source>Wyłączaj wyjście po czasie %1: TAK</source>
        <translation>Switch the output off after %1: YES</translation>
    </message>
    <message>
        <source>Wyłączaj wyjście po czasie: NIE</source>
        <translation>Switch the output off after a time: NO</translation>
    </message>
    <message>
        <source>Kod załączający wyjście: %1</source>
        <translation>Output switch-on code: %1</translation>
    </message>
    <message>
        <source>Kod wyłączający wyjście: %1</source>
        <translation>Output switch-off code: %1</translation>
    </message>
    <message>
        <source>*** SMS ***</source>
        <translation>*** SMS ***</translation>
    </message>
    <message>
        <source>Wysyłaj maksymalnie %1 SMS w ciągu %2 godziny</source>
        <translation>Send at most %1 SMS within %2 hour(s)</translation>
    </message>
    <message>
        <source>Czas oczekiwania na potwierdzenie przyjęcia SMS przez sieć GSM/DCS: %1</source>
        <translation>Time to wait for the network to confirm an SMS: %1</translation>
    </message>
    <message>
        <source>Ilość prób przesłania wiadomości SMS przy braku potwierdzenia: %1</source>
        <translation>Attempts to send an SMS without confirmation: %1</translation>
    </message>
    <message>
        <source>*** TEST ***</source>
        <translation>*** TEST ***</translation>
    </message>
    <message>
        <source>Wysylaj co: %1 godzin(y) + %2 x10 minut</source>
        <translation>Send every: %1 hour(s) + %2 x10 minutes</translation>
    </message>
    <message>
        <source>Okresowe zdarzenie nr %1</source>
        <translation>Periodic event %1</translation>
    </message>
    <message>
        <source>*** RING ***</source>
        <translation>*** RING ***</translation>
    </message>
    <message>
        <source>Czas wywoływania (dzwonienia): %1sek.</source>
        <translation>Ringing time: %1s</translation>
    </message>
    <message>
        <source>Ilość dzwonień: %1</source>
        <translation>Number of calls: %1</translation>
    </message>
    <message>
        <source>Odstęp między kolejnymi dzwonieniami: %1sek.</source>
        <translation>Interval between calls: %1s</translation>
    </message>
    <message>
        <source>Odrzuć połączenie po %1sek.: TAK</source>
        <translation>Reject the call after %1s: YES</translation>
    </message>
    <message>
        <source>Odrzuć połączenie po %1: NIE</source>
        <translation>Reject the call after %1: NO</translation>
    </message>
    <message>
        <source>Odbierz połączenie</source>
        <translation>Answer the call</translation>
    </message>
    <message>
        <source>*** MODUŁ ***</source>
        <translation>*** MODULE ***</translation>
    </message>
    <message>
        <source>Kod dostępu do ustawień: %1</source>
        <translation>Settings access code: %1</translation>
    </message>
    <message>
        <source>Koniec wydruku.</source>
        <translation>End of printout.</translation>
    </message>
    <message>
        <source>Czterocyfrowy kod PIN karty SIM</source>
        <translation>Four-digit SIM card PIN</translation>
    </message>
    <message>
        <source>PIN wymagany do odczytu ustawień z modułu</source>
        <translation>PIN required to read settings from the module</translation>
    </message>
    <message>
        <source>Numer centrum SMS operatora sieci GSM/DCS</source>
        <translation>SMS centre number of the GSM/DCS network</translation>
    </message>
    <message>
        <source>Kod załączający wyjście</source>
        <translation>Output switch-on code</translation>
    </message>
    <message>
        <source>Kod wyłączający wyjście</source>
        <translation>Output switch-off code</translation>
    </message>
    <message>
        <source>Wyłączaj wyjście po czasie</source>
        <translation>Switch the output off after a time</translation>
    </message>
    <message>
        <source>Wyłączaj wyjście po czasie [sek.]</source>
        <translation>Switch the output off after [s]</translation>
    </message>
    <message>
        <source>Wysyłaj maksymalnie wiadomości SMS</source>
        <translation>Send at most (SMS messages)</translation>
    </message>
    <message>
        <source>wiadomości SMS w ciągu godzin(y)</source>
        <translation>SMS messages within hour(s)</translation>
    </message>
    <message>
        <source>Czas oczekiwania na potwierdzenie przyjęcia SMS przez sieć GSM/DCS [sek.]</source>
        <translation>Time to wait for the network to confirm an SMS [s]</translation>
    </message>
    <message>
        <source>Ilość prób przesłania wiadomości SMS przy braku potwierdzenia</source>
        <translation>Attempts to send an SMS without confirmation</translation>
    </message>
    <message>
        <source>Czas wywoływania (dzwonienia) [sek.]</source>
        <translation>Ringing time [s]</translation>
    </message>
    <message>
        <source>Ilość dzwonień</source>
        <translation>Number of calls</translation>
    </message>
    <message>
        <source>Odstęp między kolejnymi dzwonieniami [sek.]</source>
        <translation>Interval between calls [s]</translation>
    </message>
    <message>
        <source>Odrzuć połączenie po [sek.]</source>
        <translation>Reject the call after [s]</translation>
    </message>
    <message>
        <source>Odrzucaj połączenia przychodzące</source>
        <translation>Reject incoming calls</translation>
    </message>
    <message>
        <source>Wysyłaj co ... godzin(y)</source>
        <translation>Send every ... hour(s)</translation>
    </message>
    <message>
        <source>godzin(y) + ... [x10 minut]</source>
        <translation>hour(s) + ... [x10 minutes]</translation>
    </message>
    <message>
        <source>Okresowe zdarzenie numer 1: Funkcja</source>
        <translation>Periodic event 1: Action</translation>
    </message>
    <message>
        <source>Okresowe zdarzenie numer 1: Numer telefonu</source>
        <translation>Periodic event 1: Phone number</translation>
    </message>
    <message>
        <source>Okresowe zdarzenie numer 1: Treść wiadomości SMS</source>
        <translation>Periodic event 1: SMS text</translation>
    </message>
    <message>
        <source>Okresowe zdarzenie numer 2: Funkcja</source>
        <translation>Periodic event 2: Action</translation>
    </message>
    <message>
        <source>Okresowe zdarzenie numer 2: Numer telefonu</source>
        <translation>Periodic event 2: Phone number</translation>
    </message>
    <message>
        <source>Okresowe zdarzenie numer 2: Treść wiadomości SMS</source>
        <translation>Periodic event 2: SMS text</translation>
    </message>
    <message>
        <source>Komentarz użytkownika</source>
        <translation>User comment</translation>
    </message>
    <message>
        <source>Funkcja</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Reaguje na</source>
        <translation>Triggered by</translation>
    </message>
    <message>
        <source>Numer telefonu</source>
        <translation>Phone number</translation>
    </message>
    <message>
        <source>Treść SMS</source>
        <translation>SMS text</translation>
    </message>
    <message>
        <source>Blokowane</source>
        <translation>Lockable</translation>
    </message>
    <message>
        <source>Błędny numer telefonu dla wysłania SMS.</source>
        <translation>Wrong phone number for sending the SMS.</translation>
    </message>
    <message>
        <source>Błędny numer telefonu dla funkcji RING.</source>
        <translation>Wrong phone number for the RING function.</translation>
    </message>
    <message>
        <source>Brak treści wiadomości SMS.</source>
        <translation>The SMS text is missing.</translation>
    </message>
    <message>
        <source>Niewłaściwy znak treści SMS (polska litera?).</source>
        <translation>Character not allowed in the SMS text (a Polish letter?).</translation>
    </message>
    <message>
        <source>Zbyt długa treść wiadomości SMS (maks. 60 znaków).</source>
        <translation>The SMS text is too long (60 characters at most).</translation>
    </message>
    <message>
        <source>Błędne parametry dla wejścia nr %1.</source>
        <translation>Wrong settings for input %1.</translation>
    </message>
    <message>
        <source>Błędne parametry dla funkcji testu okresowego.</source>
        <translation>Wrong settings for the periodic test.</translation>
    </message>
    <message>
        <source>Kod PIN powinien składać się z 4 cyfr.</source>
        <translation>The PIN must have 4 digits.</translation>
    </message>
    <message>
        <source>Kod PIN powinien zawierać tylko cyfry.</source>
        <translation>The PIN may contain digits only.</translation>
    </message>
    <message>
        <source>Kod powinien składać się z dwóch dowolnych znaków.</source>
        <translation>The code must have exactly two characters.</translation>
    </message>
    <message>
        <source>Niewłaściwy kod PIN karty SIM.</source>
        <translation>Wrong SIM card PIN.</translation>
    </message>
    <message>
        <source>Niewłaściwy kod PIN modułu.</source>
        <translation>Wrong module PIN.</translation>
    </message>
    <message>
        <source>Brak numeru centrum SMS.</source>
        <translation>The SMS centre number is missing.</translation>
    </message>
    <message>
        <source>Niewłaściwy numer centrum SMS.</source>
        <translation>Wrong SMS centre number.</translation>
    </message>
    <message>
        <source>Błędny numer centrum SMS.</source>
        <translation>Invalid SMS centre number.</translation>
    </message>
    <message>
        <source>Można użyć tylko cyfry i znak "+"</source>
        <translation>Only digits and the "+" sign are allowed</translation>
    </message>
    <message>
        <source>Błędny kod załączający wyjście.</source>
        <translation>Invalid output switch-on code.</translation>
    </message>
    <message>
        <source>Błędny kod wyłączający wyjście.</source>
        <translation>Invalid output switch-off code.</translation>
    </message>
    <message>
        <source>Zerowy czas wysyłania testu okresowego!</source>
        <translation>The periodic test interval is zero!</translation>
    </message>
</context>
<context>
    <name>brenvox::msg</name>
    <message>
        <source>Potwierdź</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Informacja</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Problem z utworzeniem pliku na dysku!</source>
        <translation>The file could not be created on disk!</translation>
    </message>
    <message>
        <source>Problem z otwarciem pliku!</source>
        <translation>The file could not be opened!</translation>
    </message>
    <message>
        <source>Błąd odczytu ustawień!</source>
        <translation>Error reading the settings!</translation>
    </message>
    <message>
        <source>Przywrócone ustawienia domyślne.</source>
        <translation>The default settings have been restored.</translation>
    </message>
    <message>
        <source>Nowy</source>
        <translation>New</translation>
    </message>
</context>
<context>
    <name>brenvox::progress</name>
    <message>
        <source>  Moduł:  Kavrex V%1.%2</source>
        <translation>  Module:  Kavrex V%1.%2</translation>
    </message>
    <message>
        <source>  Typ: %1</source>
        <translation>  Type: %1</translation>
    </message>
</context>
<context>
    <name>std</name>
    <message>
        <source>Nie wybrano numeru portu - wybierz go na stronie 8.Moduł.</source>
        <translation>No port number chosen - choose one on page 8.Module.</translation>
    </message>
    <message>
        <source>Port %1 nie istnieje. Nie wykryto żadnego portu szeregowego - sprawdź podłączenie kabla.</source>
        <translation>Port %1 does not exist. No serial port was found - check the cable.</translation>
    </message>
    <message>
        <source>Port %1 nie istnieje. Dostępne porty: %2.</source>
        <translation>Port %1 does not exist. Ports present: %2.</translation>
    </message>
    <message>
        <source>Port %1 jest zajęty przez inny program - zamknij go i powtórz.</source>
        <translation>Port %1 is in use by another program - close it and try again.</translation>
    </message>
    <message>
        <source>Brak uprawnień do portu %1 - dodaj użytkownika do grupy %2 poleceniem: sudo usermod -a -G %2 %3 (działa od następnego zalogowania).</source>
        <translation>No permission to open port %1 - add the user to the group %2 with: sudo usermod -a -G %2 %3 (takes effect at the next login).</translation>
    </message>
    <message>
        <source>Brak uprawnień do portu %1.</source>
        <translation>No permission to open port %1.</translation>
    </message>
    <message>
        <source>%1 nie jest portem szeregowym.</source>
        <translation>%1 is not a serial port.</translation>
    </message>
    <message>
        <source>Nie można otworzyć portu %1.</source>
        <translation>Port %1 cannot be opened.</translation>
    </message>
    <message>
        <source>Nie można otworzyć portu %1: %2.</source>
        <translation>Port %1 cannot be opened: %2.</translation>
    </message>
    <message>
        <source>Porównanie poprawne.</source>
        <translation>Comparison OK.</translation>
    </message>
    <message>
        <source>Odczyt zakończony pozytywnie.</source>
        <translation>Read completed successfully.</translation>
    </message>
    <message>
        <source>Programowanie zakończone pozytywnie.</source>
        <translation>Programming completed successfully.</translation>
    </message>
    <message>
        <source>Porównanie przerwane!</source>
        <translation>Comparison stopped!</translation>
    </message>
    <message>
        <source>Odczyt przerwany!</source>
        <translation>Read stopped!</translation>
    </message>
    <message>
        <source>Programowanie przerwane!</source>
        <translation>Programming stopped!</translation>
    </message>
    <message>
        <source>Brak łączności z modułem!</source>
        <translation>No connection with the module!</translation>
    </message>
    <message>
        <source>Błąd programowania modułu!</source>
        <translation>Module programming error!</translation>
    </message>
    <message>
        <source>Moduł zaprogramowany innymi ustawieniami!</source>
        <translation>The module holds different settings!</translation>
    </message>
    <message>
        <source>Błąd odczytu modułu!</source>
        <translation>Module read error!</translation>
    </message>
    <message>
        <source>Błąd weryfikacji programowania modułu!</source>
        <translation>Module programming verification error!</translation>
    </message>
    <message>
        <source>Błąd restartu modułu - powtórz programowanie!</source>
        <translation>Module restart error - program it again!</translation>
    </message>
    <message>
        <source>Program nie obsługuje tej wersji modułu!</source>
        <translation>This module version is not supported!</translation>
    </message>
    <message>
        <source>Kontrola portu transmisji...</source>
        <translation>Checking the port...</translation>
    </message>
    <message>
        <source>Port komunikacyjny gotowy.</source>
        <translation>Port ready.</translation>
    </message>
    <message>
        <source>Błąd - problem z portem transmisji!</source>
        <translation>Error - port problem!</translation>
    </message>
    <message>
        <source>Przygotowanie danych do przesłania...</source>
        <translation>Preparing the data...</translation>
    </message>
    <message>
        <source>Dane gotowe.</source>
        <translation>Data ready.</translation>
    </message>
    <message>
        <source>Odczyt wersji modułu...</source>
        <translation>Reading the module version...</translation>
    </message>
    <message>
        <source>Programowanie...</source>
        <translation>Programming...</translation>
    </message>
    <message>
        <source>Weryfikacja...</source>
        <translation>Verifying...</translation>
    </message>
    <message>
        <source>Porównanie...</source>
        <translation>Comparing...</translation>
    </message>
    <message>
        <source>Odczyt...</source>
        <translation>Reading...</translation>
    </message>
    <message>
        <source>Reset modułu...</source>
        <translation>Restarting the module...</translation>
    </message>
    <message>
        <source>Różnice ustawień (w programie -&gt; w module):</source>
        <translation>Differences (in the program -&gt; in the module):</translation>
    </message>
    <message>
        <source>Moduł gotowy do pracy.</source>
        <translation>Module ready.</translation>
    </message>
    <message>
        <source>Informacja</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Ustawienia w programie i module jednakowe.</source>
        <translation>The settings in the program and in the module are the same.</translation>
    </message>
    <message>
        <source>Ustawienia z modułu odczytane i zdekodowane.</source>
        <translation>The settings have been read from the module and decoded.</translation>
    </message>
    <message>
        <source>Niepoprawny kod PIN modułu!</source>
        <translation>Wrong module PIN!</translation>
    </message>
    <message>
        <source>PIN modułu</source>
        <translation>Module PIN</translation>
    </message>
    <message>
        <source>Wprowadź 4-ro cyfrowy kod dostępu do modułu</source>
        <translation>Enter the 4-digit access code of the module</translation>
    </message>
    <message>
        <source>TAK</source>
        <translation>YES</translation>
    </message>
    <message>
        <source>NIE</source>
        <translation>NO</translation>
    </message>
    <message>
        <source>%1, zdarzenie %2: %3</source>
        <translation>%1, event %2: %3</translation>
    </message>
    <message>
        <source>rozwarcie</source>
        <translation>opening</translation>
    </message>
    <message>
        <source>zwarcie</source>
        <translation>closing</translation>
    </message>
    <message>
        <source>Port %1 jest zajęty przez inny program - zamknij to okno i tamten program, potem uruchom operację ponownie.</source>
        <translation>Port %1 is in use by another program - close this window and that program, then start the operation again.</translation>
    </message>
    <message>
        <source>Moduł może mieć niepełne ustawienia - zaprogramuj go ponownie.</source>
        <translation>The module may hold incomplete settings - program it again.</translation>
    </message>
    <message>
        <source>Moduł może mieć niepełne ustawienia - sprawdź kabel i zasilanie modułu, potem zaprogramuj go ponownie.</source>
        <translation>The module may hold incomplete settings - check the cable and the module's power supply, then program it again.</translation>
    </message>
    <message>
        <source>Sprawdź kabel, zasilanie modułu i wybrany port, potem powtórz.</source>
        <translation>Check the cable, the module's power supply and the selected port, then try again.</translation>
    </message>
    <message>
        <source>Sprawdź kabel i zasilanie modułu, potem powtórz.</source>
        <translation>Check the cable and the module's power supply, then try again.</translation>
    </message>
    <message>
        <source>Zaktualizuj program do wersji obsługującej ten moduł.</source>
        <translation>Update the program to a version that supports this module.</translation>
    </message>
</context>
</TS>