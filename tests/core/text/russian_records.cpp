#include "russian_records.h"

#include <QString>

#include <vector>

namespace testsupport {

namespace {

const std::vector<const char*> kSurnames{"Иванов", "Петрова", "Сидоренко", "Кузнецов", "Смирнова", "Попов",
                                         "Васильев", "Соколова", "Михайлов", "Новиков", "Фёдоров", "Морозова",
                                         "Волков", "Алексеева", "Лебедев", "Семёнов", "Егоров", "Павлова",
                                         "Козлов", "Степанова", "Николаев", "Орлова", "Андреев", "Макаров",
                                         "Щукин", "Жуков", "Шевченко", "Юдина", "Эйхман", "Цой"};
const std::vector<const char*> kNames{"Анна", "Пётр", "Сергей", "Мария", "Ольга", "Фёдор", "Юрий", "Елена",
                                      "Дмитрий", "Наталья", "Игорь", "Татьяна", "Алексей", "Ирина", "Олег"};
const std::vector<const char*> kPatronymics{"Иванович", "Петровна", "Сергеевич", "Алексеевна", "Юрьевич",
                                            "Фёдоровна", "Олегович", "Дмитриевна"};
const std::vector<const char*> kOther{"Москва", "Тверь", "ул. Ленина", "Хлеб ржаной", "Молоко 3,2%",
                                      "ООО \"Рассвет\"", "Сахар-песок", "г. Щёлково", "Мыло", "Чай"};

QString RandomRecord(std::mt19937& random) {
  const auto pick = [&](const std::vector<const char*>& list) {
    return QString::fromUtf8(list[std::uniform_int_distribution<size_t>(0, list.size() - 1)(random)]);
  };
  return (pick(kSurnames) + " " + pick(kNames) + " " + pick(kPatronymics)).leftJustified(40) +
         QString::number(random() % 100000) + " " + pick(kOther).leftJustified(20);
}

}  // namespace

std::string RussianRecords(std::mt19937& random, int count, ui::CodePage page) {
  std::string bytes;
  for (int record = 0; record < count; ++record) bytes += ui::EncodeTyped(RandomRecord(random), page);
  return bytes;
}

}  // namespace testsupport
