<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="pl">
<context>
    <name>FilesPage</name>
    <message>
        <source> Ustawienia </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nowy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset ustawień.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drukuj</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wydruk ustawień.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Operacje dyskowe </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odczytaj</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wprowadza do programu ustawienia zapisane wcześniej na dysku.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zapisz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zapisuje bieżące ustawienia na dysk do ich późniejszego odtworzenia.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zapisz jako</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zapisuje bieżące ustawienia na dysk pod wskazaną nazwą.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InputsPage</name>
    <message>
        <source>Wejścia modułu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Konfiguracja wejścia modułu </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Komentarz użytkownika</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blokowane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Funkcja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numer telefonu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Treść SMS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rozwarcie - Praca dozwolona</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zwarcie - Zablokowanie modułu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Opis wejścia modułu </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>. . .</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ModulePage</name>
    <message>
        <source> Programowanie modułu </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programuj</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PIN wymagany do odczytu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ustawień z modułu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PIN wymagany do odczytu ustawień z modułu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Komunikacja </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Typ portu transmisji z modułem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numer portu transmisji z modułem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Operacje </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Porównanie pamięci modułu z ustawieniami</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odczyt ustawień z modułu do programu</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OutputPage</name>
    <message>
        <source> Parametry pracy wyjścia </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Załączaj wyjście przy aktywacji wejścia alarmowego</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Załączaj wyjście przy rozwarciu wejścia 4 lub 5 lub 6 lub 7.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kod załączający wyjście</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wyłączaj wyjście dzwonieniem do modułu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wyłączaj wyjście po czasie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wyłączaj wyjście po czasie [sek.]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[sek.]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kod wyłączający wyjście</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Dla modułu w wersji V1.0 można wybrać tylko jedną funkcję - załączenie lub wyłączenie)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RingPage</name>
    <message>
        <source> Połączenia wychodzące </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Czas wywoływania (dzwonienia)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[sek.]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ilość dzwonień</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odstęp między kolejnymi dzwonieniami</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[szt.]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Połączenia przychodzące </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Dostępne od wersji V1.1 modułu)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odrzuć połączenie po</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odrzuć połączenie po [sek.]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odbierz połączenie</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SimPage</name>
    <message>
        <source> Ustawienia karty SIM znajdującej się w telefonie współpracującym z modułem </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Czterocyfrowy kod PIN karty SIM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numer centrum SMS operatora sieci GSM/DCS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatyczne wstawienie numeru centrum SMS dla operatora:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EraGSM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PlusGSM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Idea</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SmsPage</name>
    <message>
        <source> Zabezpieczenie przed nadmierną ilością wysyłanych wiadomości SMS </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wysyłaj maksymalnie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wiadomości SMS w ciągu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wiadomości SMS w ciągu godzin(y).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>godzin(y).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Zaawansowane ustawienia wysyłania wiadomości SMS </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Czas oczekiwania na potwierdzenie przyjęcia SMS przez sieć GSM/DCS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[sek.]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ilość prób przesłania wiadomości SMS przy braku potwierdzenia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[szt.]</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFAsk</name>
    <message>
        <source>Ask</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Label1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Label2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFInput</name>
    <message>
        <source>PIN modułu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wprowadź 4-ro cyfrowy kod dostępu do modułu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFMain</name>
    <message>
        <source>GSM</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFSplash</name>
    <message>
        <source>Info</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFTervola</name>
    <message>
        <source>Programowanie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Postęp programowania </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Powtórz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Przerwij</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TestPage</name>
    <message>
        <source> Samoczynne, okresowe wysyłanie informacji </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wysyłaj co</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wysyłaj co ... godzin(y) +</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>godzin(y) +</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>godzin(y) + ... [x10 minut]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[x10 minut]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Okresowe zdarzenie numer 1 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Funkcja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numer telefonu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Treść wiadomości SMS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Okresowe zdarzenie numer 2 </source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
